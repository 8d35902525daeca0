// One device the source manager offers as a TWAIN source: a SANE scanner or
// camera, a video camera, or a stand-in for tests.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/memory_block.h"
#include "platform/core/twain_parent.h"

class CTwainDevice {
 public:
  virtual ~CTwainDevice() = default;
  virtual std::string Name() const = 0;
  virtual std::string Vendor() const { return {}; }
  // The button of its window: "Scan" for scanners, "Take photo" for cameras.
  virtual std::string ActionText() const { return "Scan"; }
  // What its window lets the user choose before the picture is taken.
  virtual std::vector<TwainSourceSetting> Settings() { return {}; }
  virtual bool Open() = 0;
  virtual void Close() = 0;
  // While its source is enabled: a camera streams from Start to Stop.
  // False when it cannot start.
  virtual bool Start() { return true; }
  virtual void Stop() {}
  // A live picture for its window (video cameras): from WatchPreview until
  // Stop each frame goes to `show`, a packed 24-bit DIB that `show` owns.
  virtual bool HasPreview() const { return false; }
  virtual void WatchPreview(std::function<void(HGLOBAL frame)> show) {}
  // One picture with the settings' chosen entries: a packed 24-bit DIB, or
  // null when the device failed.
  virtual HGLOBAL Capture(const std::vector<int>& chosen) = 0;
};

// The devices present now; asked each time the manager is opened.
class CTwainDeviceList {
 public:
  virtual ~CTwainDeviceList() = default;
  virtual std::vector<std::unique_ptr<CTwainDevice>> Devices() = 0;
};
