// "Print" (57607, Ctrl+P) and the gallery bars' "Print": what goes on the
// page, shown in the print preview. 57607 prints the current projection's
// print area with all its layers, followed by the selected entries of the
// gallery bar in use; a bar's "Print" prints its selected entries.
#pragma once

#include <QImage>

#include <memory>
#include <string>
#include <vector>

#include "imagelib/dib.h"

class CMainFrame;
class CKelvoraDoc;
class CGalleryBars;

// The pictures 57607 prints, in order.
std::vector<QImage> PicturesToPrint(CKelvoraDoc& document, CGalleryBars* gallery);

// Registers 57607 and the bars' print; `profilePath` holds the sign.
void ConnectPrinting(CMainFrame& frame, CKelvoraDoc& document, CGalleryBars* gallery, const std::string& profilePath);
