// The bookkeeping of the hover hook, free of any window system: one tracker
// for the user-interface thread, counting the controls that use it and
// remembering the window the mouse was last seen over. When the mouse is
// seen over another window, the old one is told "left" and the new one
// "entered", each with the other window, provided it still exists.
#pragma once

enum class HoverChange { Entered = 0, Left = 1 };

class CHoverTracker {
 public:
  using WindowId = const void*;

  // What the tracker needs from the window system.
  class Host {
   public:
    virtual ~Host() = default;
    virtual bool InstallHook() = 0;
    virtual void RemoveHook() = 0;
    virtual bool WindowExists(WindowId window) const = 0;
    virtual void PostHover(WindowId target, HoverChange change, WindowId other) = 0;
  };

  explicit CHoverTracker(Host& host) : m_host(host) {}

  // One more user. Fails for a window that does not exist or when the hook
  // cannot be installed; the count is unchanged then.
  bool Start(WindowId window);
  // One user fewer; the last one removes the hook and forgets the window.
  // Releasing more often than starting does nothing.
  void Release();
  // The mouse was seen over `under` (null: over no window of ours).
  void OnMouseSeen(WindowId under);

  int ReferenceCount() const { return m_count; }
  bool HookInstalled() const { return m_count > 0; }
  WindowId LastWindow() const { return m_last; }

 private:
  Host& m_host;
  int m_count = 0;
  WindowId m_last = nullptr;
};
