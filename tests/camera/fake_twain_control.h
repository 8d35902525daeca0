// The stand-in source manager's controls, shared by the test and the
// plug-in it loads (libkvtwain_fake.so): the triplets it heard, the
// failures to give, and its devices.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/core/twain.h"

struct FakeTwainControl {
  // "DAT_PARENT MSG_OPENDSM" per triplet, "-> source" appended when it was
  // addressed to a source.
  std::vector<std::string> log;
  // A triplet named as in the log fails once with this condition code.
  std::map<std::string, TW_UINT16> failOnce;
  int devices = 2;
  bool captureFails = false;
  int width = 6, height = 5;
  std::vector<std::string> openedDevices;
  // One video camera instead, over a stand-in stream of the same picture.
  bool video = false;
  bool videoStartFails = false;
  int videoStarts = 0, videoStops = 0;
  bool videoStreaming = false;

  void Reset() { *this = FakeTwainControl{}; }
};

using FakeTwainControlProc = FakeTwainControl* (*)();
