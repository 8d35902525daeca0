// Which cursor the view shows under the pointer: a tool's own cursor, the
// cursor the frame under the pointer asks for, or the window's arrow. Chosen
// in the order presses are dispatched, so the cursor always tells what a
// press there would do.
#pragma once

#include "app/document/kelvora_doc.h"
#include "app/tools/tracker_handles.h"
#include "app/view/view_mode.h"

enum class ViewToolCursor { zoom, eyedropper, comb, snippers, brush, spray };

struct CViewCursor {
  enum class Kind {
    arrow,      // the window class's cursor
    unchanged,  // leave whatever is shown (an item kind without a layer)
    tool,       // `tool`
    tracker,    // `tracker`; a null handle there means the system arrow
    activeTool  // the document's active tool object decides
  };
  Kind kind = Kind::arrow;
  ViewToolCursor tool = ViewToolCursor::zoom;
  CTrackerCursor tracker;
};

// `p` is the document point under the pointer; `layerFramesVisible` is the
// view's layer-frame flag.
CViewCursor ViewCursorAt(const CKelvoraDoc& document, const CViewMode& mode, bool layerFramesVisible, CPoint p);
