#include <gtest/gtest.h>

#include <cstdlib>

#include "imagelib/dib.h"
#include "platform/core/jpeg_properties.h"
#include "platform/core/message_box.h"
#include "tests/imagelib/plain_jpeg.h"
#include "tests/imagelib/test_images.h"
#include "tests/test_files.h"

using testimages::Bgr;
using testimages::PixelAt;

namespace {

plainjpeg::Picture NoisyPicture(int width, int height, int components) {
  plainjpeg::Picture picture{width, height, components, {}};
  std::srand(7);
  for (int i = 0; i < width * height * components; ++i)
    picture.samples.push_back(static_cast<unsigned char>((i * 7 + std::rand() % 40) & 0xFF));
  return picture;
}

// The codec's result must equal plain libjpeg's output with bytes 0 and 2
// swapped and the rows turned bottom-up, for every pixel.
void ExpectSameAsPlainDecode(CDib& image, const plainjpeg::Picture& reference) {
  ASSERT_EQ(image.Width(), reference.width);
  ASSERT_EQ(image.Height(), reference.height);
  for (int y = 0; y < reference.height; ++y)
    for (int x = 0; x < reference.width; ++x) {
      const unsigned char* s = reference.samples.data() + (y * reference.width + x) * reference.components;
      Bgr expected = reference.components == 3 ? Bgr{s[2], s[1], s[0]} : Bgr{s[0], s[0], s[0]};
      ASSERT_EQ(PixelAt(image, x, y), expected) << x << "," << y;
    }
}

TEST(JpegRead, ColourAndGreyFilesDecodeExactlyAsPlainLibjpeg) {
  for (int components : {3, 1}) {
    plainjpeg::Picture source = NoisyPicture(37, 21, components);
    std::vector<unsigned char> jpeg =
        plainjpeg::Encode(source, components == 3 ? JCS_RGB : JCS_GRAYSCALE, 85, true);
    CDib image;
    ASSERT_TRUE(image.LoadFromJPGMemory(jpeg.data(), static_cast<unsigned>(jpeg.size())));
    ExpectSameAsPlainDecode(image, plainjpeg::Decode(jpeg));

    TemporaryFolder folder;
    CDib fromFile;
    ASSERT_TRUE(fromFile.LoadFromFile(folder.Write("p.JPG", jpeg)));
    EXPECT_EQ(testimages::BlockBytes(fromFile), testimages::BlockBytes(image));
  }
}

TEST(JpegRead, PaddingBytesOfRowsAreZero) {
  std::vector<unsigned char> jpeg = plainjpeg::Encode(NoisyPicture(5, 3, 3), JCS_RGB, 90, true);
  CDib image;
  ASSERT_TRUE(image.LoadFromJPGMemory(jpeg.data(), static_cast<unsigned>(jpeg.size())));
  unsigned char* bits = image.LockBits();
  for (int row = 0; row < 3; ++row) EXPECT_EQ(bits[row * 16 + 15], 0);
  image.UnlockBits();
}

TEST(JpegRead, TruncatedDataDecodesAsFarAsItGoes) {
  std::vector<unsigned char> jpeg = plainjpeg::Encode(NoisyPicture(64, 64, 3), JCS_RGB, 90, true);
  jpeg.resize(jpeg.size() / 2);
  CDib image;
  EXPECT_TRUE(image.LoadFromJPGMemory(jpeg.data(), static_cast<unsigned>(jpeg.size())));
  EXPECT_EQ(image.GetSize(), CSize(64, 64));
}

TEST(JpegRead, CorruptEmptyAndFourChannelDataFailQuietly) {
  CRecordingMessageBoxService messages;
  CDib image;
  std::vector<unsigned char> garbage(300, 0x5A);
  EXPECT_FALSE(image.LoadFromJPGMemory(garbage.data(), static_cast<unsigned>(garbage.size())));
  unsigned char one = 0xFF;
  EXPECT_FALSE(image.LoadFromJPGMemory(&one, 0));
  EXPECT_FALSE(image.LoadFromJPGMemory(nullptr, 10));

  std::vector<unsigned char> header = plainjpeg::Encode(NoisyPicture(16, 16, 3), JCS_RGB, 90, true);
  header.resize(40);  // cut inside the tables
  EXPECT_FALSE(image.LoadFromJPGMemory(header.data(), static_cast<unsigned>(header.size())));

  std::vector<unsigned char> cmyk = plainjpeg::Encode(NoisyPicture(8, 8, 4), JCS_CMYK, 90, true);
  EXPECT_FALSE(image.LoadFromJPGMemory(cmyk.data(), static_cast<unsigned>(cmyk.size())));
  EXPECT_TRUE(messages.messages().empty());
}

TEST(JpegRead, PictureTooLargeForMemoryIsReportedAsOutOfMemory) {
  std::vector<unsigned char> jpeg = plainjpeg::Encode(NoisyPicture(8, 8, 3), JCS_RGB, 90, true);
  // Claim 60000 x 60000 in the frame header (FFC0: length, precision, height, width).
  for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = jpeg[i + 7] = 0xEA;
      jpeg[i + 6] = jpeg[i + 8] = 0x60;
      break;
    }
  CRecordingMessageBoxService messages;
  CDib image;
  EXPECT_FALSE(image.LoadFromJPGMemory(jpeg.data(), static_cast<unsigned>(jpeg.size())));
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, "JpegFile :\nOut of memory");
  EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Stop);
}

TEST(JpegRead, UnopenableFileIsReported) {
  CRecordingMessageBoxService messages;
  CDib image;
  EXPECT_FALSE(image.LoadFromFile("/nonexistent/folder/x.jpg"));
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, "JPEG :\nCan't open /nonexistent/folder/x.jpg\n");
}

plainjpeg::Picture TopDownRgb(CDib& image) {
  plainjpeg::Picture picture{image.Width(), image.Height(), 3, {}};
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      Bgr c = PixelAt(image, x, y);
      picture.samples.insert(picture.samples.end(), {c.red, c.green, c.blue});
    }
  return picture;
}

TEST(JpegWrite, ColourFileEqualsPlainLibjpegEncodingOfTheRgbRows) {
  TemporaryFolder folder;
  CDib image;
  testimages::MakePatternImage(image, 29, 17);
  for (bool baseline : {true, false}) {
    ASSERT_TRUE(image.SaveToJPGFile(folder.File("c.jpg"), false, true, 12, baseline));
    EXPECT_EQ(TemporaryFolder::Read(folder.File("c.jpg")), plainjpeg::Encode(TopDownRgb(image), JCS_RGB, 12, baseline));
  }
}

TEST(JpegWrite, MemoryEncodingEqualsTheFile) {
  TemporaryFolder folder;
  CDib image;
  testimages::MakePatternImage(image, 21, 11);
  for (bool colour : {true, false}) {
    std::vector<unsigned char> inMemory;
    ASSERT_TRUE(image.SaveToJPGMemory(&inMemory, colour, 70, false));
    ASSERT_TRUE(image.SaveToJPGFile(folder.File("m.jpg"), false, colour, 70, false));
    EXPECT_EQ(inMemory, TemporaryFolder::Read(folder.File("m.jpg")));
  }
  CDib empty;
  std::vector<unsigned char> nothing;
  EXPECT_FALSE(empty.SaveToJPGMemory(&nothing, true, 70, true));
}

TEST(JpegWrite, GreyFileUsesTheTruncatedWeightedSum) {
  TemporaryFolder folder;
  CDib image;
  testimages::MakePatternImage(image, 13, 9);
  ASSERT_TRUE(image.SaveToJPGFile(folder.File("g.jpg"), false, false, 90, true));

  plainjpeg::Picture grey{13, 9, 1, {}};
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 13; ++x) {
      Bgr c = PixelAt(image, x, y);
      grey.samples.push_back(static_cast<unsigned char>(0.299 * c.red + 0.114 * c.blue + 0.587 * c.green));
    }
  EXPECT_EQ(TemporaryFolder::Read(folder.File("g.jpg")), plainjpeg::Encode(grey, JCS_GRAYSCALE, 90, true));

  CDib loaded;
  ASSERT_TRUE(loaded.LoadFromFile(folder.File("g.jpg")));
  Bgr c = PixelAt(loaded, 4, 4);
  EXPECT_EQ(c.blue, c.green);
  EXPECT_EQ(c.green, c.red);
}

TEST(JpegWrite, UnwritablePathIsReportedAndEmptyImageFails) {
  CRecordingMessageBoxService messages;
  CDib image;
  image.Create(CSize(2, 2));
  EXPECT_FALSE(image.SaveToJPGFile("/nonexistent/folder/x.jpg", false, true, 75, true));
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, "JpegFile :\nCan't open /nonexistent/folder/x.jpg\n");
  CDib empty;
  EXPECT_FALSE(empty.SaveToJPGFile("/tmp/never.jpg", false, true, 75, true));
}

class ScriptedPrompt : public CJpegPropertiesPrompt {
 public:
  ScriptedPrompt() : m_previous(SetJpegPropertiesPrompt(this)) {}
  ~ScriptedPrompt() override { SetJpegPropertiesPrompt(m_previous); }
  bool Run(CJpegPropertiesDialogModel& model) override {
    seen = model.properties();
    moduleDuringDialog = GetResourceModule();
    if (makeGrey) model.SetGrayscale(true);
    return answerOk;
  }
  JpegProperties seen;
  HINSTANCE moduleDuringDialog = nullptr;
  bool answerOk = true;
  bool makeGrey = false;

 private:
  CJpegPropertiesPrompt* m_previous;
};

TEST(JpegWrite, SaveToFileAsksWithQuality75BaselineAndColour) {
  TemporaryFolder folder;
  ScriptedPrompt prompt;
  prompt.makeGrey = true;
  CMemoryResourceModule before;
  CResourceModuleSwitch current(&before);
  CDib image;
  testimages::MakePatternImage(image, 8, 8);
  ASSERT_TRUE(image.SaveToFile(folder.File("a.jpeg")));
  EXPECT_EQ(prompt.seen.quality, 75);
  EXPECT_TRUE(prompt.seen.forceBaseline);
  EXPECT_FALSE(prompt.seen.grayscale);
  EXPECT_EQ(prompt.moduleDuringDialog, FindModule("Pixkit"));
  EXPECT_NE(prompt.moduleDuringDialog, nullptr);
  EXPECT_EQ(GetResourceModule(), &before);
  EXPECT_EQ(plainjpeg::Decode(TemporaryFolder::Read(folder.File("a.jpeg"))).components, 1);
}

TEST(JpegWrite, CancelledDialogWritesNothing) {
  TemporaryFolder folder;
  ScriptedPrompt prompt;
  prompt.answerOk = false;
  CDib image;
  image.Create(CSize(4, 4));
  EXPECT_FALSE(image.SaveToJPGFile(folder.File("n.jpg"), true, true, 50, false));
  EXPECT_FALSE(std::filesystem::exists(folder.File("n.jpg")));
}

TEST(JpegPropertiesDialog, FieldsStartFromTheCallAndStayLinked) {
  CJpegPropertiesDialogModel model(40, false, false);
  EXPECT_EQ(model.trackBarPosition(), 40);
  EXPECT_EQ(model.editText(), "40");
  EXPECT_FALSE(model.properties().forceBaseline);
  EXPECT_TRUE(model.properties().grayscale);
  model.OnTrackBarMoved(63);
  EXPECT_EQ(model.editText(), "63");
  model.OnEditTextChanged("8");
  EXPECT_EQ(model.trackBarPosition(), 8);
  model.OnEditTextChanged("250");
  EXPECT_EQ(model.trackBarPosition(), 100);
  model.OnEditTextChanged("abc");
  EXPECT_EQ(model.trackBarPosition(), 100);
  EXPECT_EQ(model.editText(), "abc");
}

}  // namespace
