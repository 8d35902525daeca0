// Automatic face fitting in the program: the "Fit face automatically"
// command (the top bar's button beside "Set Face Rectangle" and the view's
// context-menu entry while that tool is armed) and the fitting of every new
// face photo while "AutoFitFace" is on.
#pragma once

class CKelvoraDoc;
class CMainFrame;
class CSettings;

void RegisterFaceFitCommands(CMainFrame& frame);

// What the program does when a new photo has entered projection `index`.
void FitNewPhoto(CKelvoraDoc& document, int index, const CSettings& settings);
