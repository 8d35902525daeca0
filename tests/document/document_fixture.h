// A document with a host that records what the document asked of the
// window, a patterned background raster and an in-memory composed surface,
// and builders of photos and item images.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/document/kelvora_doc.h"
#include "app/resources/program_resources.h"
#include "platform/core/raster_dc.h"
#include "tests/imagelib/test_images.h"

namespace testdocument {

class CRecordingHost : public CDocumentHost {
 public:
  explicit CRecordingHost(CSize client = {400, 300}) : client(client), surface(client.cx, client.cy) {
    background.Create(client);
    for (int y = 0; y < client.cy; ++y)
      for (int x = 0; x < client.cx; ++x)
        testimages::SetPixel(background, x, y,
                             {static_cast<unsigned char>(x), static_cast<unsigned char>(y), 0x40});
  }

  CSize GetClientSize() override { return client; }
  CDib* GetBackgroundRaster() override { return withBackground ? &background : nullptr; }
  CDC* GetComposedSurface() override { return &surface; }
  void RefreshViews() override { ++refreshes; }
  void DrawDissolveFrame(CDib& frame, const CRect& area) override {
    dissolveFrames.push_back(area);
  }
  void BeginWaitCursor() override { ++waitCursors; }
  CEditMode GetEditMode() override { return mode; }
  void SetSlidersFrom(const CLayer& layer) override { slidersFrom.push_back(&layer); }
  void ResetPanels() override { ++panelResets; }
  void ShowProjectionPicture(int index) override { pictures.push_back(index); }
  bool IsMorphingOn() override { return morphing; }
  bool ShowQuestions() override { return questions; }
  void PhotoEntered(int index) override { photosEntered.push_back(index); }

  CSize client;
  CDib background;
  CRasterDC surface;
  bool withBackground = true;
  CEditMode mode;
  bool morphing = false;
  bool questions = false;
  int refreshes = 0;
  int waitCursors = 0;
  int panelResets = 0;
  std::vector<CRect> dissolveFrames;
  std::vector<const CLayer*> slidersFrom;
  std::vector<int> pictures;
  std::vector<int> photosEntered;
};

// A photo of the test pattern.
inline std::unique_ptr<CDib> MakePhoto(int width, int height) {
  auto photo = std::make_unique<CDib>();
  testimages::MakePatternImage(*photo, width, height);
  return photo;
}

// An item image: the pattern, opaque but for a transparent border column and
// a half-transparent band, so composing exercises every blend.
inline std::unique_ptr<CDibAlpha> MakeItem(int width, int height, unsigned char shade = 0) {
  CDib colour;
  testimages::MakePatternImage(colour, width, height);
  auto item = std::make_unique<CDibAlpha>();
  item->Create(&colour, 0);
  unsigned char* plane = item->LockAlpha();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      plane[y * width + x] = x == 0 ? 255 : (y % 4 == 1 ? 128 : shade);
  item->UnlockAlpha();
  return item;
}

// The program's strings (step names, messages) for the life of a test.
class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() : m_previousModule(UseProgramResources()) {}
  ~DocumentTest() override { SetResourceModule(m_previousModule); }

  // Reads a photo file into projection `index`; false when either fails.
  bool SetPhotoFromFile(const std::string& path, int index = 0) {
    auto photo = std::make_unique<CDib>();
    return photo->LoadFromFile(path) && document.SetPhoto(std::move(photo), index);
  }

  CRecordingHost host;
  CKelvoraDoc document{nullptr, &host};

 private:
  HINSTANCE m_previousModule;
};

}  // namespace testdocument
