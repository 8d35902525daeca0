// The sign's settings: defaults, values out of range, and the keys written
// in their order, keeping the rest of the profile.
#include <gtest/gtest.h>

#include "app/shell/printing/sign_dialog_model.h"
#include "app/shell/printing/sign_properties.h"
#include "tests/test_files.h"

namespace {

TEST(SignProperties, WrittenInTheirOrderAndReadBack) {
  SignProperties sign{"Salon Lumiere", "DejaVu Sans", 14, 34, "Latin", 0, 4, true, false, true};
  CIniProfile profile;
  WriteSignProperties(profile, sign);
  EXPECT_EQ(profile.Format(),
            "[Sign Properties]\nSign=Salon Lumiere\nFontName=DejaVu Sans\nSize=14\nPitchAndFamily=34\n"
            "Script=Latin\nCharSet=0\nFlags=4\nBold=1\nItalic=0\nUnderline=1\n");
  EXPECT_EQ(ReadSignProperties(profile), sign);
}

TEST(SignProperties, MissingOrDamagedValuesTakeTheirDefaults) {
  CIniProfile profile;
  EXPECT_EQ(ReadSignProperties(profile), SignProperties{});
  profile.Parse("[Sign Properties]\nSize=-4\nCharSet=300\nPitchAndFamily=x\n");
  const SignProperties sign = ReadSignProperties(profile);
  EXPECT_EQ(sign.size, 10);
  EXPECT_EQ(sign.charSet, 0);
  EXPECT_EQ(sign.pitchAndFamily, 0);
}

TEST(SignProperties, SavingKeepsTheOtherSections) {
  TemporaryFolder folder;
  const std::string path = folder.Write("Kelvora.ini", {'[', 'O', ']', '\n', 'A', '=', '1', '\n'});
  SignProperties sign;
  sign.sign = "Hello";
  ASSERT_TRUE(SaveSignProperties(path, sign));
  CIniProfile profile;
  ASSERT_TRUE(profile.Load(path));
  EXPECT_EQ(profile.GetString("O", "A", ""), "1");
  EXPECT_EQ(LoadSignProperties(path).sign, "Hello");
  EXPECT_EQ(LoadSignProperties(folder.File("none.ini")), SignProperties{});
}

}  // namespace

namespace {

std::vector<SignFontEntry> Fonts() {
  return {{"Alpha", 2, 4, {{"Latin", 0}, {"Greek", 161}}}, {"Beta", 1, 0, {{"Cyrillic", 204}, {"Greek", 161}}}};
}

TEST(SignDialogModel, OpensOnTheSavedFontOrTheFirstAndItsSize) {
  SignProperties saved;
  saved.fontName = "Beta";
  saved.size = 14;
  saved.script = "Greek";
  CSignDialogModel model(Fonts(), saved);
  EXPECT_EQ(model.FontIndex(), 1);
  EXPECT_EQ(model.ScriptIndex(), 1);
  EXPECT_EQ(model.Properties().charSet, 161);
  EXPECT_EQ(model.Sizes()[model.SizeIndex()], 14);

  saved.fontName = "Gone";
  saved.size = 13;
  CSignDialogModel fallback(Fonts(), saved);
  EXPECT_EQ(fallback.FontIndex(), 0);
  EXPECT_EQ(fallback.Properties().fontName, "Alpha");
  EXPECT_EQ(fallback.SizeIndex(), -1) << "no entry reads 13";
  CSignDialogModel empty({}, saved);
  EXPECT_EQ(empty.FontIndex(), -1);
  EXPECT_EQ(empty.Properties().fontName, "Gone") << "nothing to take from";
}

TEST(SignDialogModel, ChangesComeFromTheChosenFontAndScript) {
  CSignDialogModel model(Fonts(), {});
  model.ChooseScript(1);
  model.ChooseFont(1);
  EXPECT_EQ(model.Properties().script, "Greek") << "kept: the new font has it";
  EXPECT_EQ(model.Properties().pitchAndFamily, 1);
  EXPECT_EQ(model.Properties().flags, 0);
  model.ChooseFont(0);
  model.ChooseScript(0);
  EXPECT_EQ(model.Properties().charSet, 0);
  model.SetSizeText("24");
  model.SetSizeText("big");
  model.SetSizeText("-3");
  EXPECT_EQ(model.Properties().size, 24);
  model.SetText("Salon");
  model.SetBold(true);
  model.SetUnderline(true);
  EXPECT_EQ(model.Properties().sign, "Salon");
  EXPECT_TRUE(model.Properties().bold);
  EXPECT_FALSE(model.Properties().italic);
  EXPECT_EQ(CharSetOfScript("Cyrillic"), 204);
  EXPECT_EQ(CharSetOfScript("Klingon"), 0);
}

}  // namespace
