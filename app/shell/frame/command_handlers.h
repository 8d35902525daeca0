// Where commands carried outside the frame plug in: a handler runs the
// command, an optional predicate says when it is live. The frame asks here
// before its own dispatch, and keeps a handler-carried command's button and
// key disabled until its handler is registered.
#pragma once

#include <functional>
#include <map>

#include "app/shell/frame/command_ids.h"

class CCommandHandlers {
 public:
  using Handler = std::function<void()>;
  using Enabled = std::function<bool()>;

  // Replaces any handler of `id`; an empty `run` removes it.
  void Set(CommandId id, Handler run, Enabled enabled = {});
  bool Has(CommandId id) const { return m_entries.contains(id); }
  // Registered, and live by its predicate (live when it has none).
  bool IsEnabled(CommandId id) const;
  // Runs the handler when it is registered and live; false otherwise.
  bool Run(CommandId id) const;

 private:
  struct Entry {
    Handler run;
    Enabled enabled;
  };
  std::map<CommandId, Entry> m_entries;
};
