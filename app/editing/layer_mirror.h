// The mirror commands of the "Mirror image" button's menu. In photo or
// make-up mode the photo and the make-up layer are mirrored together, so the
// paint stays on the face it was put on; otherwise the current layer. The
// frame stays where it is and its angle is mirrored with the picture, so a
// layer turned by +10 degrees is turned by -10 afterwards. The mirrored
// layers' undo and redo lists are emptied: their pixel steps would paste
// back unmirrored rectangles.
#pragma once

#include "app/document/document_host.h"

class CKelvoraDoc;
class CLayer;

inline constexpr unsigned ID_MIRROR_LEFT_RIGHT = 32784;
inline constexpr unsigned ID_MIRROR_TOP_BOTTOM = 32785;

enum class MirrorAxis { leftRight, topBottom };

// Flips the image and negates the rotation's sine; false (nothing changed)
// without an image or when the flip fails.
bool MirrorLayer(CLayer& layer, MirrorAxis axis);

// The command on the layers the mode edits, recomposed and shown under a
// wait cursor. False when there was nothing to mirror.
bool MirrorEditedLayers(CKelvoraDoc& document, const CEditMode& mode, MirrorAxis axis);
