#include "app/resources/program_cursors.h"

#include "platform/core/cursor_data.h"

namespace {

constexpr const char* kPointingHand[] = {
    "     XX",
    "    XooX",
    "    XooX",
    "    XooX",
    "    XooXXX",
    "    XooXooXXX",
    "    XooXooXooXX",
    " XX XooXooXooXoX",
    "XooXXoooooooooooX",
    "XoooXooooooooooX",
    " XooooooooooooooX",
    "  XoooooooooooooX",
    "  XooooooooooooX",
    "   XoooooooooooX",
    "    XooooooooooX",
    "    XoooooooooX",
    "     XXXXXXXXXX",
};

constexpr const char* kClosedHand[] = {
    "",
    "",
    "",
    "    XX XX XX",
    "   XooXooXooXX",
    "   XooooooooXoX",
    "    XoooooooooX",
    "   XXoooooooooX",
    "  XooooooooooooX",
    "  XooooooooooooX",
    "   XoooooooooooX",
    "    XoooooooooX",
    "     XooooooooX",
    "     XXXXXXXXX",
};

}  // namespace

void AddProgramCursors(CMemoryResourceModule& module) {
  module.AddResource("IDC_CUR_CUSTOMBUTTON", "CustomCursor",
                     EncodeCursorData(CursorFromPicture(kPointingHand, CPoint(5, 0))));
  module.AddResource("IDC_CUR_HANDCLOSE", "CustomCursor",
                     EncodeCursorData(CursorFromPicture(kClosedHand, CPoint(8, 8))));
}
