#include "app/shell/panels/panel_table.h"

#include "ui_panel_102.h"
#include "ui_panel_103.h"
#include "ui_panel_104.h"
#include "ui_panel_106.h"
#include "ui_panel_109.h"
#include "ui_panel_110.h"
#include "ui_panel_112.h"
#include "ui_panel_143.h"
#include "ui_panel_151.h"
#include "ui_panel_152.h"
#include "ui_panel_154.h"

namespace {

constexpr PanelSpec kPanels[] = {
    {110, DockSide::Top, "Failed to create TitleBar", "IDB_TITLE_PATTERN", "IDB_TITLE_EXT_PATTERN"},
    {103, DockSide::Bottom, "Failed to create Tools Bar", "IDB_TOOLS_PATTERN", "IDB_TOOLS_EXT_PATTERN"},
    {109, DockSide::Left, "Failed to create ToolBar(Left)", "IDB_LEFTBAR_PATTERN", nullptr},
    {106, DockSide::Right, "Failed to create Empty Bar", "IDB_RIGHT_EMPTY_PATTERN", nullptr},
    {112, DockSide::Right, "Failed to create Image Bar", "IDB_RIGHT_IMAGE_PATTERN", nullptr},
    {104, DockSide::Right, "Failed to create Base Bar", "IDB_RIGHT_BASE_PATTERN", nullptr},
    {151, DockSide::Right, "Failed to create Makeup Bar", "IDB_RIGHT_MAKEUP_PATTERN", nullptr},
    {143, DockSide::Right, "Failed to create Custom Bar", "IDB_RIGHT_CUSTOM_PATTERN", nullptr},
    {154, DockSide::Right, "Failed to create Gallery Bar (vert)", "IDB_RIGHT_GALLERY_PATTERN", nullptr},
    {152, DockSide::Bottom, "Failed to create Gallery Bar (horz)", "IDB_GALLERY_PATTERN", nullptr},
    {102, DockSide::Top, "Failed to create ToolBar(TopBarFace)", "IDB_TOPBAR_FACE_PATTERN", nullptr},
};

template <typename Form>
bool SetUp(QWidget* panel) {
  Form form;
  form.setupUi(panel);
  return true;
}

}  // namespace

std::span<const PanelSpec> PanelTable() { return kPanels; }

bool SetUpPanelTemplate(unsigned templateId, QWidget* panel) {
  switch (templateId) {
    case 102: return SetUp<Ui::Panel102>(panel);
    case 103: return SetUp<Ui::Panel103>(panel);
    case 104: return SetUp<Ui::Panel104>(panel);
    case 106: return SetUp<Ui::Panel106>(panel);
    case 109: return SetUp<Ui::Panel109>(panel);
    case 110: return SetUp<Ui::Panel110>(panel);
    case 112: return SetUp<Ui::Panel112>(panel);
    case 143: return SetUp<Ui::Panel143>(panel);
    case 151: return SetUp<Ui::Panel151>(panel);
    case 152: return SetUp<Ui::Panel152>(panel);
    case 154: return SetUp<Ui::Panel154>(panel);
    default: return false;
  }
}
