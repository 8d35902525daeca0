// What "--stage lasso|contours|simulated|makeup" does before a
// documentation screenshot: photo mode on the body photo, then a lasso
// outline round part of it, or the three deformation contours, or those
// contours with the simulation run, all through the window's own commands;
// or the make-up panel with a lipstick picked and painted on the lips.
#pragma once

#include <QString>

// False and nothing staged for another word. The steps run from the event
// loop once the main window is up.
bool StageOutlines(const QString& what);
