#include "controls/button_animation.h"

void CButtonAnimation::SetFrameCount(int frames) {
  m_frames = frames;
  if (m_frames > 2) m_twoState = false;
}

int CButtonAnimation::Cell() const {
  if (!m_enabled) return m_frames;
  if (!m_hovered) return m_index;
  if (m_index == 0) return m_frames + 1;
  if (m_index == m_frames - 1) return m_frames + 2;
  return m_index;
}

bool CButtonAnimation::OnPress() {
  m_pressed = true;
  if (!m_twoState) return false;
  m_index = 1;
  return true;
}

bool CButtonAnimation::OnRelease() {
  m_pressed = false;
  if (!m_twoState) return false;
  m_index = 0;
  return true;
}

bool CButtonAnimation::CancelPress() {
  if (!m_pressed) return false;
  m_pressed = false;
  if (m_twoState) m_index = RestingIndex();
  return true;
}

bool CButtonAnimation::OnEnter() {
  if (!m_hasMouseIn) return false;
  m_hovered = true;
  m_forward = true;
  return true;
}

bool CButtonAnimation::OnLeave() {
  m_hovered = false;
  if (m_pressed) {
    m_index = 0;
    m_pressed = false;
  }
  m_forward = false;
  return true;
}

bool CButtonAnimation::StepBackward(bool turnAtStart) {
  if (m_hovered && !m_repeat) return false;
  if (m_index > 0) {
    --m_index;
    return true;
  }
  if (m_hovered && m_repeat && turnAtStart) m_forward = true;
  return false;
}

bool CButtonAnimation::OnTick() {
  if (!m_enabled || m_twoState) return false;
  if (m_forward) {
    if (m_index < m_frames - 1) {
      ++m_index;
      return true;
    }
    m_forward = false;
    return false;
  }
  return StepBackward(true);
}

bool CButtonAnimation::OnEnable(bool enabled) {
  m_enabled = enabled;
  if (!enabled) {
    m_hovered = false;
    m_index = 0;
  }
  return true;
}

bool CCheckBoxAnimation::SetCheck(bool checked) {
  m_checked = checked;
  if (m_twoState) {
    m_index = checked ? 1 : 0;
    return true;
  }
  m_forward = checked;
  return false;
}

bool CCheckBoxAnimation::OnRelease() {
  m_pressed = false;
  m_checked = !m_checked;
  m_forward = m_checked;
  if (!m_twoState) return false;
  m_index = m_checked ? 1 : 0;
  return true;
}

bool CCheckBoxAnimation::OnEnter() {
  if (!m_hasMouseIn && !m_hasDownMouseIn) return false;
  m_hovered = true;
  if (m_hasMouseIn && !m_checked) m_forward = true;
  return true;
}

bool CCheckBoxAnimation::OnLeave() {
  m_hovered = false;
  // A press dragged off the box is abandoned; a two-state box goes back to
  // the frame of its unchanged check state rather than to frame 0.
  if (m_pressed) {
    m_pressed = false;
    m_index = m_twoState ? RestingIndex() : 0;
  }
  if (!m_checked) m_forward = false;
  return true;
}

bool CCheckBoxAnimation::OnTick() {
  if (!m_enabled || m_twoState) return false;
  if (m_forward) {
    if (m_index < m_frames - 1) {
      ++m_index;
      return true;
    }
    if (!m_checked) m_forward = false;
    return false;
  }
  return StepBackward(!m_checked);
}
