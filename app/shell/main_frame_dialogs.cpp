// The frame's own windows over the panels: the photo menu and the mirror
// menu at the cursor, the About box, the information sheet and the
// session's statistics.
#include <QCursor>
#include <QMenu>

#include "app/shell/about_box.h"
#include "app/shell/frame/frame_menus.h"
#include "app/shell/information_sheet.h"
#include "app/shell/main_frame.h"
#include "app/shell/product_info.h"
#include "platform/core/message_box.h"
#include "platform/core/resource_module.h"

namespace {

void AddEntries(QMenu& menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    if (entry.IsSeparator()) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromStdString(entry.text));
    action->setData(entry.command);
    action->setEnabled(entry.enabled);
    action->setCheckable(entry.checked);
    action->setChecked(entry.checked);
  }
}

std::string KindLabel(int kind) { return LoadResourceString(FindItemKind(kind)->labelStringId); }

}  // namespace

UINT CMainFrame::RunMenu(const std::vector<MenuEntry>& entries) {
  if (m_menuRunner) return m_menuRunner(entries, QCursor::pos());
  QMenu menu(this);
  AddEntries(menu, entries);
  QAction* chosen = menu.exec(QCursor::pos());
  return chosen ? chosen->data().toUInt() : 0;
}

void CMainFrame::ShowPhotoMenu() {
  if (UINT id = RunMenu(PhotoMenu([this](CommandId command) { return IsCommandEnabled(command); })))
    PostMessage(this, WM_COMMAND, MAKEWPARAM(id, 0));
}

void CMainFrame::ShowMirrorMenu() {
  if (UINT id = RunMenu(MirrorMenu())) PostMessage(this, WM_COMMAND, MAKEWPARAM(id, 0));
}

void CMainFrame::RunDialog(QDialog& dialog) {
  if (m_dialogRunner) m_dialogRunner(dialog);
  else dialog.exec();
}

void CMainFrame::ShowAbout() {
  CAboutBox about(m_settings.GetApplicationFolder(), m_openUrl, this);
  RunDialog(about);
}

void CMainFrame::ShowInformationSheet() {
  InformationSources sources;
  sources.productName = kProductName;
  sources.productVersion = kProductVersion;
  sources.copyright = kProductCopyright;
  sources.licence = kProductLicence;
  sources.author = kProductAuthor;
  sources.components = ComponentVersions();
  for (int slot = 0; slot < kItemKindCount; ++slot) {
    InformationDatabase entry;
    entry.slot = slot;
    entry.file = m_settings.GetBasePath(slot);
    if (CBaseDatabase* base = KindDatabase(slot)) {
      entry.name = base->GetName();
      entry.version = base->GetVersionText();
      entry.itemCount = static_cast<int>(base->Records().size());
    }
    sources.databases.push_back(std::move(entry));
  }
  sources.makeupPalette = m_settings.GetMakeupProfilePath();
  sources.filterProfile = m_settings.GetFilterProfilePath();
  CInformationSheet sheet(BuildInformationPages(sources), this);
  RunDialog(sheet);
}

void CMainFrame::ShowStatistics() {
  ShowMessageBox(m_statistics.Report(KindLabel), {}, MessageIcon::Information);
}
