#include <gtest/gtest.h>
#include "imagelib/dib.h"
TEST(Dib, Placeholder) { CDib d; EXPECT_TRUE(d.Create(CSize(1, 1))); }
