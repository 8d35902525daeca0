// The cursors every frame shares, loaded from the program's resources for
// the document to hand to its frames and lines.
#pragma once

#include "app/document/document_host.h"

// From the current resource module (the program's own, UseProgramResources).
// A cursor the module lacks stays null, which the frames answer with the
// system arrow or no cursor.
CFrameCursors LoadFrameCursors();
