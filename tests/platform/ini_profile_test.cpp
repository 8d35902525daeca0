#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/core/ini_profile.h"
#include "tests/test_files.h"

namespace {

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(IniProfile, ReadsSectionsKeysAndIntegersThroughCommentsBlanksAndCrlf) {
  CIniProfile profile;
  profile.Parse(
      "; written by hand\r\n"
      "orphan=ignored\r\n"
      "\r\n"
      "  [ Options ]  \r\n"
      "AutoSave = 0\r\n"
      "# another comment\r\n"
      "not a key line\r\n"
      "SlideshowInterval=  2500 ms\r\n"
      "SearchString=\"  blonde \"\r\n"
      "[Path]\n"
      "Application=C:\\Kelvora\\\n"
      "[options]\n"
      "autosave=1\n"
      "Morphing=-3\n");
  EXPECT_EQ(profile.GetInt("OPTIONS", "autosave", 7), 0) << "the first of two equal keys wins";
  EXPECT_EQ(profile.GetInt("Options", "SlideshowInterval", 0), 2500);
  EXPECT_EQ(profile.GetInt("Options", "Morphing", 0), -3) << "a repeated section adds to the first";
  EXPECT_EQ(profile.GetString("Options", "SearchString", "x"), "  blonde ");
  EXPECT_EQ(profile.GetString("Path", "Application", ""), "C:\\Kelvora\\");
  EXPECT_FALSE(profile.GetString("Options", "orphan"));
  EXPECT_FALSE(profile.GetString("Options", "not a key line"));
}

TEST(IniProfile, IntegersFallBackWhenMissingMalformedOrOutOfRange) {
  CIniProfile profile;
  profile.Parse("[S]\nword=abc\nempty=\nhuge=99999999999\nsign=-\nmin=-2147483648\nmax=+2147483647\n");
  EXPECT_EQ(profile.GetInt("S", "missing", 5), 5);
  EXPECT_EQ(profile.GetInt("S", "word", 5), 5);
  EXPECT_EQ(profile.GetInt("S", "empty", 5), 5);
  EXPECT_EQ(profile.GetInt("S", "huge", 5), 5);
  EXPECT_EQ(profile.GetInt("S", "sign", 5), 5);
  EXPECT_EQ(profile.GetInt("S", "min", 5), INT_MIN);
  EXPECT_EQ(profile.GetInt("S", "max", 5), INT_MAX);
}

TEST(IniProfile, WritingKeepsOrderOfUntouchedPartsAndKeepsValuesOnOneLine) {
  CIniProfile profile;
  profile.Parse("[Categories_0]\nCurSel1=4\n[Options]\nAutoSave=1\n");
  profile.WriteInt("options", "AUTOSAVE", 0);
  profile.WriteString("Options", "SearchString", "two\r\nlines");
  profile.WriteString("New", "Key", "v");
  EXPECT_EQ(profile.Format(), "[Categories_0]\nCurSel1=4\n\n[Options]\nAutoSave=0\nSearchString=twolines\n\n[New]\nKey=v\n");

  CIniProfile reread;
  reread.Parse(profile.Format());
  EXPECT_EQ(reread.Format(), profile.Format());
}

TEST(IniProfile, LoadsMissingFileAsEmptyAndSavesWholeFiles) {
  TemporaryFolder folder;
  CIniProfile profile;
  EXPECT_TRUE(profile.Load(folder.File("absent.ini")));
  EXPECT_FALSE(profile.HasSection("Options"));

  folder.Write("old.ini", Bytes("[Options]\nAutoSave=1\n"));
  profile.WriteInt("Options", "AutoSave", 0);
  ASSERT_TRUE(profile.Save(folder.File("old.ini")));
  CIniProfile reread;
  ASSERT_TRUE(reread.Load(folder.File("old.ini")));
  EXPECT_EQ(reread.GetInt("Options", "AutoSave", 1), 0);

  EXPECT_FALSE(profile.Save(folder.File("no-such-folder/x.ini")));
}

TEST(IniProfile, RefusesOversizedFilesAndBinaryNoiseSafely) {
  TemporaryFolder folder;
  std::string big(kMaxIniProfileBytes + 1, 'a');
  folder.Write("big.ini", Bytes("[Options]\nAutoSave=0\n" + big));
  CIniProfile profile;
  EXPECT_FALSE(profile.Load(folder.File("big.ini")));
  EXPECT_FALSE(profile.HasSection("Options"));

  using namespace std::string_literals;
  std::string noise = "[\0]\n=\n[a\n]]=[\n\xff\xfe=\0\0\n[S]\nk=\"\n[S]k=v\0"s;
  profile.Parse(noise);
  EXPECT_EQ(profile.GetString("S", "k", "x"), "\"");
}

}  // namespace
