// Photos from files and from the style's sample pictures into the document.
#pragma once

#include <string>

#include "app/document/kelvora_doc.h"

// Reads the file with the image library and makes it the current
// projection's photo. A file that cannot be read is reported ("Can't load
// image: <path>.") and false returned.
bool LoadPhotoFromPath(CKelvoraDoc& document, const std::string& path);

// The style's "IDB_PHOTO_W1" to "IDB_PHOTO_W4" into the four face
// projections; a picture the style lacks leaves its projection as it was.
// The samples are face photos, so a document in the body set is switched
// to the face set first. Projection 0 is selected afterwards.
int LoadSamplePhotos(CKelvoraDoc& document, HINSTANCE style);
