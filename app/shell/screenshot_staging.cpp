#include "app/shell/screenshot_staging.h"

#include <QStringList>
#include <QTimer>

#include <vector>
#include <QWidget>

#include <memory>

#include "app/document/item_kinds.h"
#include "app/shell/main_frame.h"
#include "controls/zor_dib_list_ctrl.h"
#include "platform/qt/window_message.h"

namespace {

constexpr UINT kItemListId = 998;
constexpr int kTryOnPollMs = 100;
constexpr int kTryOnAttempts = 20;

}  // namespace

bool StageTryOn(const QString& kindAndItem) {
  const QStringList parts = kindAndItem.split(',');
  bool kindRead = false, itemRead = false;
  const int kind = parts.value(0).toInt(&kindRead);
  const int item = parts.value(1).toInt(&itemRead);
  if (parts.size() != 2 || !kindRead || !itemRead || kind < 0 || kind >= kItemKindCount || item < 0) return false;
  // The kind's button is live only once the sample photos are in, which
  // takes a while on a slow (or instrumented) build: try until it is.
  auto* poll = new QTimer;
  auto attempts = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, [poll, attempts, kind, item] {
    auto* frame = dynamic_cast<CMainFrame*>(GetMainWindow());
    const UINT command = FindItemKind(kind)->command;
    if (++*attempts > kTryOnAttempts || (frame && frame->IsCommandEnabled(command))) poll->deleteLater();
    if (!frame || !frame->IsCommandEnabled(command)) return;
    SendMessage(frame, WM_COMMAND, MAKEWPARAM(command, 0));
    CZORDibListCtrl* list = frame->ItemList();
    if (!list || item >= list->GetCount()) return;
    list->SetCurSel(item);
    SendMessage(frame, WM_COMMAND, MAKEWPARAM(kItemListId, 0));
  });
  poll->start(kTryOnPollMs);
  return true;
}

bool StageCommand(const QString& ids) {
  // Several ids, comma-separated, are pressed in order, a little apart so
  // each one's work and repaints land before the next.
  std::vector<UINT> commands;
  for (const QString& id : ids.split(',')) {
    bool read = false;
    const UINT command = id.trimmed().toUInt(&read);
    if (!read || command == 0 || command > 0xFFFF) return false;
    commands.push_back(command);
  }
  for (std::size_t i = 0; i < commands.size(); ++i) {
    const UINT command = commands[i];
    QTimer::singleShot(700 + static_cast<int>(i) * 150, [command] {
      if (HWND frame = GetMainWindow()) SendMessage(frame, WM_COMMAND, MAKEWPARAM(command, 0));
    });
  }
  return true;
}
