#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/core/zip_resource_module.h"
#include "platform/core/zip_resource_writer.h"
#include "tests/test_files.h"

namespace {

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string Text(std::optional<std::span<const unsigned char>> bytes) {
  return bytes ? std::string(bytes->begin(), bytes->end()) : "<absent>";
}

class ZipResourceModuleTest : public ::testing::Test {
 protected:
  std::string Save(const CZipResourceWriter& writer, const std::string& name = "style.kvstyle") {
    std::string path = m_folder.File(name);
    std::string reason;
    EXPECT_TRUE(writer.Save(path, &reason)) << reason;
    return path;
  }
  TemporaryFolder m_folder;
};

TEST_F(ZipResourceModuleTest, AnswersResourcesAndStringsWrittenByTheWriter) {
  CZipResourceWriter writer;
  writer.AddResource("IDR_FACE_FRONT_FACE", "wndrect", Bytes("10, 20, 110, 40"));
  writer.AddResource("Idb_Splash", "jpgimage", Bytes("jpeg bytes"), ".jpg");
  writer.AddResource(MakeIntResource(7), MakeIntResource(kResourceTypeBitmap), Bytes("packed dib"));
  writer.AddString(1, "Style_1");
  writer.AddString(61787, "Help text:0, 0, 0\nsecond line");
  auto module = CZipResourceModule::Open(Save(writer));
  ASSERT_TRUE(module);

  EXPECT_EQ(Text(module->FindResource("idr_face_front_face", "WNDRECT")), "10, 20, 110, 40");
  EXPECT_EQ(Text(module->FindResource("IDB_SPLASH", "JpgImage")), "jpeg bytes");
  EXPECT_EQ(Text(module->FindResource(MakeIntResource(7), MakeIntResource(kResourceTypeBitmap))), "packed dib");
  EXPECT_EQ(module->LoadString(1), "Style_1");
  EXPECT_EQ(module->LoadString(61787), "Help text:0, 0, 0\nsecond line");

  EXPECT_FALSE(module->FindResource("IDB_SPLASH", "bmpimage"));
  EXPECT_FALSE(module->FindResource("IDB_SPLASH.jpg", "jpgimage"));
  EXPECT_FALSE(module->FindResource(nullptr, "jpgimage"));
  EXPECT_FALSE(module->LoadString(2));
}

TEST_F(ZipResourceModuleTest, HandMadeEntriesFollowTheLayoutAndTheRestIsIgnored) {
  CZipResourceWriter writer;
  writer.AddEntry("README.txt", Bytes("notes"));
  writer.AddEntry("resources/wndpos/SYS_EXIT_POS.txt", Bytes("-30, 4"));
  writer.AddEntry("resources/wndpos/sys_exit_pos.ini", Bytes("second copy"));
  writer.AddEntry("resources/wndpos/deeper/NAME", Bytes("too deep"));
  writer.AddEntry("resources/NO_TYPE", Bytes("no type"));
  writer.AddEntry("resources/dibimage/", Bytes(""));
  writer.AddEntry("strings/63562", Bytes("Lasso:255, 0, 0"));
  writer.AddEntry("strings/65536.txt", Bytes("id out of range"));
  writer.AddEntry("strings/12a.txt", Bytes("not a number"));
  auto module = CZipResourceModule::Open(Save(writer));
  ASSERT_TRUE(module);

  EXPECT_EQ(Text(module->FindResource("SYS_EXIT_POS", "wndpos")), "-30, 4");
  EXPECT_FALSE(module->FindResource("NAME", "wndpos"));
  EXPECT_FALSE(module->FindResource("deeper/NAME", "wndpos"));
  EXPECT_FALSE(module->FindResource("README", "resources"));
  EXPECT_EQ(module->LoadString(63562), "Lasso:255, 0, 0");
  EXPECT_FALSE(module->LoadString(0));
  EXPECT_FALSE(module->LoadString(12));
}

TEST_F(ZipResourceModuleTest, FilesThatAreNoStyleAreRefusedWithAReason) {
  CZipResourceWriter writer;
  writer.AddResource("IDB_SPLASH", "jpgimage", Bytes(std::string(5000, 'x')));
  std::vector<unsigned char> good = TemporaryFolder::Read(Save(writer));

  std::vector<unsigned char> noFormat = good;  // the format entry renamed
  auto marker = std::search(noFormat.begin(), noFormat.end(), kStyleFormatEntry,
                            kStyleFormatEntry + std::strlen(kStyleFormatEntry));
  while (marker != noFormat.end()) {
    *marker = 'X';
    marker = std::search(marker, noFormat.end(), kStyleFormatEntry, kStyleFormatEntry + std::strlen(kStyleFormatEntry));
  }
  std::vector<unsigned char> truncated(good.begin(), good.begin() + good.size() / 2);
  std::vector<unsigned char> text = Bytes("Kelvora style, honestly\n");

  struct Case {
    const char* label;
    std::string path;
  };
  for (const Case& file : {Case{"missing", m_folder.File("absent.kvstyle")},
                           Case{"text", m_folder.Write("text.kvstyle", text)},
                           Case{"empty", m_folder.Write("empty.kvstyle", {})},
                           Case{"truncated", m_folder.Write("truncated.kvstyle", truncated)},
                           Case{"no format entry", m_folder.Write("plain.zip", noFormat)},
                           Case{"a folder", m_folder.File("")}}) {
    std::string reason;
    EXPECT_FALSE(CZipResourceModule::Open(file.path, &reason)) << file.label;
    EXPECT_FALSE(reason.empty()) << file.label;
    EXPECT_EQ(reason.find('\n'), std::string::npos) << file.label;
  }
  EXPECT_FALSE(CZipResourceModule::OpenMemory(truncated));
  EXPECT_FALSE(CZipResourceModule::OpenMemory({}));
  EXPECT_TRUE(CZipResourceModule::OpenMemory(good));
}

TEST_F(ZipResourceModuleTest, EntriesBeyondTheLimitsAreNotUnpacked) {
  // Zeros deflate a thousandfold: the shape of a zip bomb.
  CZipResourceWriter writer;
  writer.AddResource("BOMB", "dibimage", std::vector<unsigned char>(64 * 1024, 0));
  writer.AddResource("SMALL", "dibimage", Bytes("fine"));
  std::string path = Save(writer);

  ZipStyleLimits entryLimit;
  entryLimit.maxEntryBytes = 16 * 1024;
  auto module = CZipResourceModule::Open(path, nullptr, entryLimit);
  ASSERT_TRUE(module);
  EXPECT_FALSE(module->FindResource("BOMB", "dibimage"));
  EXPECT_EQ(Text(module->FindResource("SMALL", "dibimage")), "fine");

  ZipStyleLimits totalLimit;
  totalLimit.maxTotalBytes = 32 * 1024;
  std::string reason;
  EXPECT_FALSE(CZipResourceModule::Open(path, &reason, totalLimit));
  EXPECT_NE(reason.find("MiB"), std::string::npos) << reason;

  ZipStyleLimits entryCount;
  entryCount.maxEntries = 2;
  EXPECT_FALSE(CZipResourceModule::Open(path, nullptr, entryCount));
}

TEST_F(ZipResourceModuleTest, ADamagedEntryFailsOnlyItsOwnLookup) {
  const std::string payload = "0123456789abcdef-payload-stored-as-is";
  CZipResourceWriter writer;
  writer.AddResource("IDB_PHOTO_W1", "jpgimage", Bytes(payload), ".jpg");  // stored, not deflated
  writer.AddResource("IDR_FACE_FRONT_EYES", "wndrect", Bytes("1, 2, 3, 4"));
  std::vector<unsigned char> archive = TemporaryFolder::Read(Save(writer));
  auto at = std::search(archive.begin(), archive.end(), payload.begin(), payload.end());
  ASSERT_NE(at, archive.end());
  at[5] ^= 0x20;  // the checksum no longer matches

  auto module = CZipResourceModule::Open(m_folder.Write("damaged.kvstyle", archive));
  ASSERT_TRUE(module);
  EXPECT_FALSE(module->FindResource("IDB_PHOTO_W1", "jpgimage"));
  EXPECT_EQ(Text(module->FindResource("IDR_FACE_FRONT_EYES", "wndrect")), "1, 2, 3, 4");
}

}  // namespace
