#include "app/shell/screenshot_staging.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "app/document/item_kinds.h"
#include "controls/zor_dib_list_ctrl.h"
#include "platform/qt/window_message.h"

namespace {

constexpr UINT kItemListId = 998;

CZORDibListCtrl* ItemList(QWidget& frame) {
  // The controls carry no meta-object of their own, so Qt cannot pick them out.
  for (QWidget* child : frame.findChildren<QWidget*>())
    if (auto* list = dynamic_cast<CZORDibListCtrl*>(child); list && list->GetDlgCtrlID() == kItemListId) return list;
  return nullptr;
}

}  // namespace

bool StageTryOn(const QString& kindAndItem) {
  const QStringList parts = kindAndItem.split(',');
  bool kindRead = false, itemRead = false;
  const int kind = parts.value(0).toInt(&kindRead);
  const int item = parts.value(1).toInt(&itemRead);
  if (parts.size() != 2 || !kindRead || !itemRead || kind < 0 || kind >= kItemKindCount || item < 0) return false;
  // After the posted start-up commands (the sample photos) have run.
  QTimer::singleShot(600, [kind, item] {
    HWND frame = GetMainWindow();
    if (!frame) return;
    SendMessage(frame, WM_COMMAND, MAKEWPARAM(FindItemKind(kind)->command, 0));
    CZORDibListCtrl* list = ItemList(*frame);
    if (!list || item >= list->GetCount()) return;
    list->SetCurSel(item);
    SendMessage(frame, WM_COMMAND, MAKEWPARAM(kItemListId, 0));
  });
  return true;
}

bool StageCommand(const QString& id) {
  bool read = false;
  const UINT command = id.toUInt(&read);
  if (!read || command == 0 || command > 0xFFFF) return false;
  QTimer::singleShot(700, [command] {
    if (HWND frame = GetMainWindow()) SendMessage(frame, WM_COMMAND, MAKEWPARAM(command, 0));
  });
  return true;
}
