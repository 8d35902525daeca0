// The make-up panel: the installed palettes and the chosen palette's items
// in its two combo boxes, the chosen item's swatches in its list, and a
// picked swatch handing its colour to the tools bar's colour selecter, so
// the brush and spray paint it on the make-up layer. Choosing a palette
// here is remembered as "MakeupProfile", as the options dialog does.
#include <QComboBox>

#include "app/shell/main_frame.h"
#include "app/shell/panels/layer_name_label.h"
#include "controls/skin_resources.h"
#include "controls/zor_dib_list_ctrl.h"
#include "platform/qt/dialog_template.h"

namespace {

constexpr unsigned kMakeupPanel = 151;
constexpr unsigned kMakeupLayerName = 1045;

template <typename Control>
Control* MakeupControl(const CMainFrame& frame, UINT id) {
  CSkinPanel* panel = frame.Panel(kMakeupPanel);
  return panel ? dynamic_cast<Control*>(GetDlgItem(panel, id)) : nullptr;
}

}  // namespace

CZORDibListCtrl* CMainFrame::SwatchList() const { return MakeupControl<CZORDibListCtrl>(*this, ID_SWATCH_LIST); }

void CMainFrame::SetUpMakeupPanel() {
  m_makeup = std::make_unique<CMakeupPanelModel>(m_style ? m_style : GetImageInstance());
  auto* palettes = MakeupControl<QComboBox>(*this, ID_PALETTE_AUTHOR);
  auto* items = MakeupControl<QComboBox>(*this, ID_PALETTE_PROFILE);
  if (palettes)
    connect(palettes, &QComboBox::activated, this, [this](int index) {
      if (!m_makeup->SelectPalette(index)) return;
      m_settings.makeupProfile = m_makeup->MakeupProfile();
      ShowMakeupPanel();
    });
  if (items)
    connect(items, &QComboBox::activated, this, [this](int index) {
      if (m_makeup->SelectItem(index)) ShowSwatches();
    });
  ReloadMakeupPanel();
}

void CMainFrame::ReloadMakeupPanel() {
  if (!m_makeup) return;
  m_makeup->Load(m_settings.GetColorsFolder(), m_settings.makeupProfile);
  ShowMakeupPanel();
}

void CMainFrame::ShowMakeupPanel() {
  if (auto* palettes = MakeupControl<QComboBox>(*this, ID_PALETTE_AUTHOR)) {
    palettes->clear();
    for (const ProfileEntry& palette : m_makeup->Palettes()) palettes->addItem(QString::fromStdString(palette.displayName));
    palettes->setCurrentIndex(m_makeup->SelectedPalette());
  }
  if (auto* items = MakeupControl<QComboBox>(*this, ID_PALETTE_PROFILE)) {
    items->clear();
    for (const MakeupPaletteItem& item : m_makeup->Items()) items->addItem(QString::fromStdString(item.name));
    items->setCurrentIndex(m_makeup->SelectedItem());
  }
  ShowSwatches();
}

void CMainFrame::ShowSwatches() {
  CZORDibListCtrl* list = SwatchList();
  if (!list) return;
  list->ResetContent();
  for (const MakeupSwatch& swatch : m_makeup->Swatches())
    list->AddItem(std::make_unique<CDib>(*swatch.picture), swatch.caption, swatch.colour);
  list->update();
}

void CMainFrame::OnSwatchClick() {
  CZORDibListCtrl* list = SwatchList();
  const CZORDibListCtrlItem* swatch = list ? list->GetItem(list->GetCurSel()) : nullptr;
  if (!swatch) return;
  SetSelecterColour(static_cast<COLORREF>(swatch->data));
  if (auto* name = MakeupControl<CLayerNameLabel>(*this, kMakeupLayerName)) {
    const int item = m_makeup ? m_makeup->SelectedItem() : -1;
    std::string text = item >= 0 ? m_makeup->Items()[static_cast<std::size_t>(item)].name + ": " : std::string();
    // The plate has room for the colour; the tooltip names its item too.
    name->SetCaption(swatch->text);
    name->SetToolTipText((text + swatch->text).c_str());
  }
  if (m_document)
    if (CLayer* makeup = m_document->GetMakeupLayer()) m_state.SetSlidersFrom(*makeup);
}
