// The default style as the build draws it, opened once for a test suite.
// Test targets that include this define KELVORA_STYLE_1_PATH.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "imagelib/dib.h"
#include "platform/core/zip_resource_module.h"

class GeneratedStyleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string reason;
    s_style = CZipResourceModule::Open(KELVORA_STYLE_1_PATH, &reason).release();
    ASSERT_TRUE(s_style) << reason;
  }
  static void TearDownTestSuite() {
    delete s_style;
    s_style = nullptr;
  }

  // The picture's size as the controls load it (any picture type); (0, 0)
  // when it does not load.
  static CSize PictureSize(const std::string& name) {
    CDib picture;
    if (!picture.LoadFromResource(name.c_str(), "", s_style)) return CSize(0, 0);
    return picture.GetSize();
  }

  static inline CZipResourceModule* s_style = nullptr;
};
