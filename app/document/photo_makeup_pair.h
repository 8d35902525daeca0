// Photo and make-up are one picture to the user: the make-up is painted on a
// layer of the photo's size that has to stay exactly over it.
#pragma once

#include "app/document/kelvora_doc.h"

// After `moved` (the photo or the make-up layer of the current projection)
// was dragged or had a step undone or redone, the other one takes its
// bounding rectangle, unturned. Other layers leave both alone.
void KeepPhotoAndMakeupTogether(CKelvoraDoc& document, const CLayer* moved);
