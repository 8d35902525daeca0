// Automatic face fitting in the program: the "Fit face automatically"
// command (the top bar's button beside "Set Face Rectangle" and the view's
// context-menu entry while that tool is armed) and the fitting of every new
// face photo while "AutoFitFace" is on.
#pragma once

#include <string>

class CKelvoraDoc;
class CMainFrame;
class CSettings;

void RegisterFaceFitCommands(CMainFrame& frame);

// The shape fitting found for the current projection ("Oval", ...), which
// the select-by-type dialog offers as its suggestion; empty when none.
std::string SuggestedFaceShape(const CKelvoraDoc& document);

// What the program does when a new photo has entered projection `index`.
void FitNewPhoto(CKelvoraDoc& document, int index, const CSettings& settings);
