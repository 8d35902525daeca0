// A camera whose memory-transfer steps are called directly, for feeding it
// strips that no source manager would send.
#pragma once

#include "app/shell/camera/twain_camera.h"

class CStripCamera : public CTwainCamera {
 public:
  CStripCamera() : CTwainCamera("") {}
  using CTwainCamera::OnImageInfo;
  using CTwainCamera::OnMemoryStrip;
  using CTwainCamera::TakeMemoryImage;
};
