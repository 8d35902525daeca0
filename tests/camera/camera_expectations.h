// What the camera tests expect: the triplets as the stand-in manager logs
// them, and the stand-in devices' picture.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/document/layer.h"
#include "tests/imagelib/test_images.h"

inline const std::string kOpenDsm = "DAT_PARENT MSG_OPENDSM";
inline const std::string kCloseDsm = "DAT_PARENT MSG_CLOSEDSM";
inline const std::string kOpenDs = "DAT_IDENTITY MSG_OPENDS";
inline const std::string kCloseDs = "DAT_IDENTITY MSG_CLOSEDS";
inline const std::string kSetCap = "DAT_CAPABILITY MSG_SET -> source";
inline const std::string kEnable = "DAT_USERINTERFACE MSG_ENABLEDS -> source";
inline const std::string kDisable = "DAT_USERINTERFACE MSG_DISABLEDS -> source";
inline const std::string kEvent = "DAT_EVENT MSG_PROCESSEVENT -> source";
inline const std::string kEndXfer = "DAT_PENDINGXFERS MSG_ENDXFER -> source";
inline const std::string kReset = "DAT_PENDINGXFERS MSG_RESET -> source";
inline const std::string kStatusOfSource = "DAT_STATUS MSG_GET -> source";
inline const std::string kStatusOfManager = "DAT_STATUS MSG_GET";

// The picture the stand-in devices give, pixel by pixel.
inline void ExpectFakePicture(const CLayer* photo, int width, int height) {
  ASSERT_NE(photo, nullptr);
  CDib& image = *photo->GetImage();
  ASSERT_EQ(image.GetSize(), CSize(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      ASSERT_EQ(testimages::PixelAt(image, x, y),
                (testimages::Bgr{200, static_cast<unsigned char>(y * 50), static_cast<unsigned char>(x * 40)}))
          << x << "," << y;
}

