#include "platform/qt/hover_tracker.h"

bool CHoverTracker::Start(WindowId window) {
  if (!window || !m_host.WindowExists(window)) return false;
  if (m_count == 0 && !m_host.InstallHook()) return false;
  ++m_count;
  return true;
}

void CHoverTracker::Release() {
  if (m_count == 0) return;
  if (--m_count == 0) {
    m_host.RemoveHook();
    m_last = nullptr;
  }
}

void CHoverTracker::OnMouseSeen(WindowId under) {
  if (m_count == 0 || under == m_last) return;
  WindowId previous = m_last;
  m_last = under;
  if (previous && m_host.WindowExists(previous)) m_host.PostHover(previous, HoverChange::Left, under);
  if (under && m_host.WindowExists(under)) m_host.PostHover(under, HoverChange::Entered, previous);
}
