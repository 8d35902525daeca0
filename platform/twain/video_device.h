// A video camera (a V4L2 webcam) as a TWAIN source: its window shows the
// live picture, and "Take photo" keeps the frame on show. The frames come
// from a CVideoFrameSource: Qt Multimedia's in the plug-in, a stand-in with
// a fixed frame in the tests, so everything here runs without a camera.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/twain/twain_device.h"

class CVideoFrameSource {
 public:
  virtual ~CVideoFrameSource() = default;
  virtual std::string Description() const = 0;
  // Starts the stream; false when the camera cannot be started.
  virtual bool Start() = 0;
  virtual void Stop() = 0;
  // Each frame from now on goes to `receive` (an empty one ends that), as a
  // packed 24-bit DIB that `receive` owns.
  virtual void SetFrameReceiver(std::function<void(HGLOBAL frame)> receive) = 0;
  // A copy of the newest frame, waiting a little for the first one of a
  // stream just started; null when none came.
  virtual HGLOBAL NewestFrame() = 0;
};

class CVideoDevice : public CTwainDevice {
 public:
  explicit CVideoDevice(std::unique_ptr<CVideoFrameSource> source);
  ~CVideoDevice() override;

  std::string Name() const override { return m_source->Description(); }
  std::string ActionText() const override { return "Take photo"; }
  // Opening holds nothing: the camera streams only while enabled.
  bool Open() override { return true; }
  void Close() override { Stop(); }
  bool Start() override;
  void Stop() override;
  bool HasPreview() const override { return true; }
  void WatchPreview(std::function<void(HGLOBAL frame)> show) override;
  HGLOBAL Capture(const std::vector<int>& chosen) override;

 private:
  std::unique_ptr<CVideoFrameSource> m_source;
  bool m_streaming = false;
};

// The video cameras Qt Multimedia finds; none without a GUI application.
std::unique_ptr<CTwainDeviceList> MakeVideoDeviceList();
