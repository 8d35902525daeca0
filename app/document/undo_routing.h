// Which object's lists the Undo and Redo commands use. Undo is held per
// object; the main window's mode picks the object, the first rule that fits:
//   1. face-rectangle tool: the face frame, the eyes line and the lips line
//      one step each (the underarm line in the body set);
//   2. print-area tool: the print-area frame;
//   3. photo mode: the photo layer;  4. make-up mode: the make-up layer;
//   5. otherwise the current layer, coupled with its slot's stretch frame
//      through the "Deform" steps of the hair stretching tool.
// The same rules name the step the menus and buttons show.
#pragma once

#include <string>

#include "app/document/kelvora_doc.h"

enum class UndoDirection { undo, redo };

// Whether the command would move anything.
bool CanRunUndoCommand(const CKelvoraDoc& document, const CEditMode& mode, UndoDirection direction);
// The name of the step the command moves first; empty when there is none.
std::string UndoCommandStepName(const CKelvoraDoc& document, const CEditMode& mode, UndoDirection direction);
// Moves the steps, recomposes what changed and refreshes the views.
void RunUndoCommand(CKelvoraDoc& document, const CEditMode& mode, UndoDirection direction);

// The menu and tooltip text: "Undo "Move"" or "Redo "Move"" from strings
// 63522 and 63523; empty without a step.
std::string UndoCommandText(const CKelvoraDoc& document, const CEditMode& mode, UndoDirection direction);
