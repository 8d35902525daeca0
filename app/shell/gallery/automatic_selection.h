// Automatic selection: every item of the current kind's list is tried on
// the photo in turn and each result kept as a new gallery entry, the slot's
// own layer being put back after each. The loop itself
// (`RunAutomaticSelection`) and the command around it (the questions, the
// category choice remembered and given back) are plain code; the window
// supplies the dialog and the progress window.
#pragma once

#include <functional>
#include <string>

#include "app/bases/base_database.h"
#include "app/document/kelvora_doc.h"
#include "app/shell/gallery/gallery_bar.h"
#include "app/shell/items/item_try_on.h"

inline constexpr unsigned kNewSelectionQuestionId = 63572;
inline constexpr unsigned kRestoreSelectionQuestionId = 63573;

struct AutoSelectionOutcome {
  int entries = 0;  // list entries gone through, counted ones included
  int written = 0;  // gallery entries made
  bool stopped = false;  // Escape, or a file that could not be written
};

// Goes through the selection of `base` (the database of kind `slot`),
// writing each result to `target` in `folder`. `advance(position)` is asked
// after each entry (the progress window serves paint requests and hears
// Escape there); false stops the loop.
AutoSelectionOutcome RunAutomaticSelection(CKelvoraDoc& document, CBaseDatabase& base, int slot, CGalleryBar& target,
                                           const std::string& folder, const std::function<bool(int)>& advance);

// What the command asks of the window.
struct AutoSelectionWindow {
  // The select-by-categories dialog for the kind; true when the user chose.
  std::function<bool()> chooseCategories;
  // Opens the progress window over 0 .. last; called before the loop.
  std::function<void(int last)> openProgress;
  std::function<bool(int position)> advance;
  std::function<void()> closeProgress;
};

// Command 1212 for the current kind, its list shown in `list`. The
// questions 63572 and 63573 are choices, not confirmations, so they are
// asked whatever "ShowQuestions" says. False when nothing ran.
bool RunAutomaticSelectionCommand(CKelvoraDoc& document, CItemTryOn& tryOn, CSettings& settings, int kind,
                                  CItemListView& list, CGalleryBar& target, const AutoSelectionWindow& window,
                                  AutoSelectionOutcome* outcome = nullptr);
