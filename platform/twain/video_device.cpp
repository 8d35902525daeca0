#include "platform/twain/video_device.h"

CVideoDevice::CVideoDevice(std::unique_ptr<CVideoFrameSource> source) : m_source(std::move(source)) {}

CVideoDevice::~CVideoDevice() { Stop(); }

bool CVideoDevice::Start() {
  if (!m_streaming) m_streaming = m_source->Start();
  return m_streaming;
}

void CVideoDevice::Stop() {
  m_source->SetFrameReceiver({});
  if (m_streaming) m_source->Stop();
  m_streaming = false;
}

void CVideoDevice::WatchPreview(std::function<void(HGLOBAL frame)> show) {
  if (m_streaming) m_source->SetFrameReceiver(std::move(show));
}

// The photo is the frame the user saw when pressing the button.
HGLOBAL CVideoDevice::Capture(const std::vector<int>&) { return m_streaming ? m_source->NewestFrame() : nullptr; }
