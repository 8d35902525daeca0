// The frame's colours: the tools bar's colour selecter and comb-drawing
// check box, which a stroke reads when it starts; the item panel's eleven
// filter buttons, shown, tipped and coloured from the filter profile, and
// its custom filter, each applying its tint to the current item layer at
// once at the filter slider's strength; and where the eyedroppers' colours
// go.
#include "app/document/item_kinds.h"
#include "app/shell/main_frame.h"
#include "app/shell/panels/filter_button.h"
#include "app/view/kelvora_view.h"
#include "controls/zor_color_selecter.h"
#include "controls/zor_custom_filter.h"
#include "controls/zor_slider.h"
#include "platform/qt/dialog_template.h"

namespace {

constexpr unsigned kToolsBar = 103;
constexpr unsigned kItemPanel = 104;
// The colour menu's entries; only RunMenu sees them, never the dispatch.
constexpr UINT kFilterColourEntry = 40000;

}  // namespace

CZORColorSelecter* CMainFrame::ColorSelecter() const {
  CSkinPanel* tools = Panel(kToolsBar);
  return tools ? dynamic_cast<CZORColorSelecter*>(GetDlgItem(tools, ID_COLOR_SELECTER)) : nullptr;
}

CZORCustomFilter* CMainFrame::CustomFilter() const {
  CSkinPanel* items = Panel(kItemPanel);
  return items ? dynamic_cast<CZORCustomFilter*>(GetDlgItem(items, ID_CUSTOM_FILTER)) : nullptr;
}

COLORREF CMainFrame::SelecterColour() const {
  CZORColorSelecter* selecter = ColorSelecter();
  return selecter ? selecter->GetColor() : 0;
}

void CMainFrame::SetSelecterColour(COLORREF colour) {
  if (CZORColorSelecter* selecter = ColorSelecter()) selecter->SetColor(colour);
}

CHairToolControls CMainFrame::HairToolControls() const {
  CHairToolControls controls;
  controls.thickness = m_state.Thickness();
  controls.colour = SelecterColour();
  controls.combDrawing = m_state.CombDrawing();
  if (CSkinPanel* tools = Panel(kToolsBar))
    if (auto* pressure = dynamic_cast<CZORSlider*>(GetDlgItem(tools, ID_SLIDER_PRESSURE)))
      controls.pressure = pressure->GetPos();
  return controls;
}

void CMainFrame::ShowFilterButtons() {
  CSkinPanel* items = Panel(kItemPanel);
  if (!items) return;
  for (int group = 0; group < kFilterGroupCount; ++group) {
    auto* button = dynamic_cast<CFilterButton*>(GetDlgItem(items, ID_FILTER_FIRST + static_cast<UINT>(group)));
    if (!button) continue;
    button->setVisible(m_filterProfile.IsShown(group));
    button->SetChipColour(m_filterProfile.FilterColour(group));
    button->SetToolTipText(m_filterProfile.Tooltip(group).c_str());
  }
  if (CZORCustomFilter* custom = CustomFilter()) custom->SetChosen(m_state.FilterNumber() == kCustomFilterNumber);
}

void CMainFrame::ReloadProfiles() {
  ReloadFilterProfile();
  ShowFilterButtons();
  ReloadMakeupPanel();
}

CLayer* CMainFrame::CurrentItemLayer() const {
  if (!m_document || m_state.CurrentKind() < 0) return nullptr;
  return m_document->GetCurrentLayer();
}

void CMainFrame::ApplyFilterToCurrentLayer() {
  CLayer* layer = CurrentItemLayer();
  if (!layer) return;
  ApplyFilterChoice(*layer, m_state.Sliders(),
                    [this](int number) { return m_filterProfile.FilterColour(number); });
  m_document->UpdateView(layer->GetBoundingRect());
}

void CMainFrame::SetCustomFilterColour(COLORREF colour) {
  if (CZORCustomFilter* custom = CustomFilter()) custom->SetColor(colour);
  m_state.SetCustomFilterColour(colour);
}

bool CMainFrame::RunColourCommand(UINT id) {
  if (id == ID_COMB_DRAWING) {
    m_state.ToggleCombDrawing();
    return true;
  }
  if (id == ID_SWATCH_LIST) {
    OnSwatchClick();
    return true;
  }
  if (id == ID_CUSTOM_FILTER)
    if (CZORCustomFilter* custom = CustomFilter()) m_state.SetCustomFilterColour(custom->GetColor());
  if (!m_state.ChooseFilter(id)) return id == ID_COLOR_SELECTER;
  ApplyFilterToCurrentLayer();
  ShowFilterButtons();
  return true;
}

void CMainFrame::ShowFilterColourMenu(UINT id) {
  if (id < ID_FILTER_FIRST || id > ID_FILTER_LAST) return;
  const int group = static_cast<int>(id - ID_FILTER_FIRST);
  if (!m_filterProfile.IsShown(group)) return;
  const FilterGroup& colours = m_filterProfile.Group(group);
  if (colours.count == 0) return;
  std::vector<MenuEntry> entries;
  for (int j = 0; j < colours.count; ++j) {
    MenuEntry entry;
    entry.command = kFilterColourEntry + static_cast<UINT>(j);
    const std::string& name = colours.colours[static_cast<std::size_t>(j)].name;
    entry.text = name.empty() ? "Colour " + std::to_string(j + 1) : name;
    entry.checked = j == colours.selected;
    entries.push_back(std::move(entry));
  }
  const UINT chosen = RunMenu(entries);
  if (chosen < kFilterColourEntry || chosen >= kFilterColourEntry + colours.count) return;
  m_filterProfile.SelectColour(group, static_cast<int>(chosen - kFilterColourEntry));
  if (m_state.FilterNumber() != group) m_state.ChooseFilter(id);
  ApplyFilterToCurrentLayer();
  ShowFilterButtons();
  SyncControls();
}

void CMainFrame::ConnectColourReceivers() {
  m_tools->SetColourReceivers([this](COLORREF colour) { SetSelecterColour(colour); },
                              [this](COLORREF colour) {
                                SetCustomFilterColour(colour);
                                m_state.ChooseFilter(ID_CUSTOM_FILTER);
                                ApplyFilterToCurrentLayer();
                                ShowFilterButtons();
                                SyncControls();
                              });
}
