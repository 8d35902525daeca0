// Which layer the hair tools, the sliders and the mirror act on: the
// current layer while an item kind is current, else the photo layer in
// photo mode, else the make-up layer in make-up mode, else none.
#pragma once

class CKelvoraDoc;
class CLayer;
struct CEditMode;

CLayer* EditedLayer(const CKelvoraDoc& document, const CEditMode& mode);
