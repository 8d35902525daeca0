#include <gtest/gtest.h>

#include "controls/skin_text.h"

struct NumberFieldsCase {
  const char* text;
  std::size_t count;
  std::optional<std::vector<int>> expected;
};

class NumberFields : public ::testing::TestWithParam<NumberFieldsCase> {};

TEST_P(NumberFields, ParseAsTheSkinFilesWriteThem) {
  EXPECT_EQ(ParseNumberFields(GetParam().text, GetParam().count), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SkinText, NumberFields,
    ::testing::Values(NumberFieldsCase{"10, 20,110 ,40", 4, std::vector<int>{10, 20, 110, 40}},
                      NumberFieldsCase{"10, 20, 110", 4, std::nullopt},
                      NumberFieldsCase{"10, 2x0, 110, 40", 4, std::nullopt},
                      NumberFieldsCase{"10, , 110, 40", 4, std::nullopt},
                      NumberFieldsCase{"1, 2, 3, 4, 5", 4, std::nullopt},
                      NumberFieldsCase{"-5, 8", 2, std::vector<int>{-5, 8}},
                      // A field is the number it starts with: "7.9" is 7, "+3" is 3.
                      NumberFieldsCase{" 7.9 ,+3", 2, std::vector<int>{7, 3}},
                      NumberFieldsCase{"99999999999, 1", 2, std::vector<int>{2147483647, 1}}));

TEST(SkinText, ColourStringIgnoresItsLabelAndPacksRedLow) {
  EXPECT_EQ(ParseColorString("Hair:255, 0, 128"), std::optional<COLORREF>(0x008000FF));
  EXPECT_EQ(ParseColorString("1,2,3"), std::optional<COLORREF>(RGB(1, 2, 3)));
  EXPECT_EQ(ParseColorString("Hair:255, 0"), std::nullopt);
  EXPECT_EQ(ParseColorString("Hair:255, 0, 1, 2"), std::nullopt);
  // Each number is taken as a byte.
  EXPECT_EQ(ParseColorString("256, 0, 0"), std::optional<COLORREF>(0));
}

TEST(SkinText, InfoStringSplitsStatusTipAndHelp) {
  std::string tip = "old tip", status, help = "old help";
  LoadInfoStrings("Edit your photo", tip, status, help);
  EXPECT_EQ(status, "Edit your photo");
  EXPECT_EQ(tip, "old tip");
  EXPECT_EQ(help, "old help");

  LoadInfoStrings("Open a photo from a file\nOpen photo", tip, status, help);
  EXPECT_EQ(status, "Open a photo from a file");
  EXPECT_EQ(tip, "Open photo");
  EXPECT_EQ(help, "old help");

  LoadInfoStrings("Status\nhelp text|Tip", tip, status, help);
  EXPECT_EQ(status, "Status");
  EXPECT_EQ(tip, "Tip");
  EXPECT_EQ(help, "Status\nhelp text");
}
