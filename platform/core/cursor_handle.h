// A cursor handle. The window-system back end makes and shows cursors; code
// without a window system (trackers, tools) only stores them and hands them
// on, so it needs the handle type but never the cursor class itself. A handle
// is shared: whoever loaded a cursor and whoever shows it both keep it.
#pragma once

#include <memory>

class QCursor;
using HCURSOR = std::shared_ptr<const QCursor>;
