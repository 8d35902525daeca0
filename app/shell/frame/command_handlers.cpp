#include "app/shell/frame/command_handlers.h"

void CCommandHandlers::Set(CommandId id, Handler run, Enabled enabled) {
  if (!run) {
    m_entries.erase(id);
    return;
  }
  m_entries[id] = {std::move(run), std::move(enabled)};
}

bool CCommandHandlers::IsEnabled(CommandId id) const {
  auto entry = m_entries.find(id);
  return entry != m_entries.end() && (!entry->second.enabled || entry->second.enabled());
}

bool CCommandHandlers::Run(CommandId id) const {
  if (!IsEnabled(id)) return false;
  // A copy, so a handler may replace itself while it runs.
  Handler run = m_entries.at(id).run;
  run();
  return true;
}
