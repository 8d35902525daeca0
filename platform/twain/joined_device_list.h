// Several kinds of device offered as one list: the plug-in's SANE scanners
// and cameras first, then the video cameras.
#pragma once

#include <memory>
#include <vector>

#include "platform/twain/twain_device.h"

class CJoinedDeviceList : public CTwainDeviceList {
 public:
  explicit CJoinedDeviceList(std::vector<std::unique_ptr<CTwainDeviceList>> lists) : m_lists(std::move(lists)) {}
  std::vector<std::unique_ptr<CTwainDevice>> Devices() override {
    std::vector<std::unique_ptr<CTwainDevice>> devices;
    for (const auto& list : m_lists)
      for (auto& device : list->Devices()) devices.push_back(std::move(device));
    return devices;
  }

 private:
  std::vector<std::unique_ptr<CTwainDeviceList>> m_lists;
};
