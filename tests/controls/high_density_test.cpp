// Skinned controls drawn for a screen of twice the density: rendered into
// images of device pixel ratio 2, they must show the style's double pictures
// pixel for pixel over the same logical rectangles, with their strip cells
// and shapes at twice the offsets, and fall back to the plain pictures
// enlarged where the style has no fitting double.
#include <gtest/gtest.h>

#include <QPainter>

#include <functional>

#include "controls/zor_check_box.h"
#include "controls/zor_slider.h"
#include "controls/zor_static.h"
#include "tests/controls/control_fixture.h"

namespace {

constexpr unsigned kControlId = 1401;
constexpr COLORREF kBackground = RGB(0, 0, 255);
constexpr QPoint kPlace(20, 30);

using Picture = std::function<COLORREF(int x, int y)>;

// Patterns that change at every pixel, so that an enlarged plain picture
// could never pass for them; column 0 is see-through.
Picture Checker(COLORREF a, COLORREF b) {
  return [a, b](int x, int y) { return x == 0 ? RGB(0, 0, 0) : (x + y) % 2 ? a : b; };
}
Picture Stripes(COLORREF a, COLORREF b) {
  return [a, b](int x, int) { return x == 0 ? RGB(0, 0, 0) : x % 3 ? a : b; };
}

class HighDensityTest : public ControlTest {
 protected:
  HighDensityTest() {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
  }
  void AddPicture(const std::string& name, int width, int height, const Picture& picture) {
    skin.AddResource(name.c_str(), "dibimage", BmpFile(width, height, picture));
  }
  template <typename Control, typename... Arguments>
  Control* Attach(const std::string& caption, QSize size, Arguments... arguments) {
    AddTemplateItems(panel.get(), {{kControlId, caption, QRect(kPlace, size)}});
    auto* control = new Control(panel.get());
    EXPECT_EQ(control->SubclassDlgItem(kControlId, panel.get(), arguments...), 1);
    ShowPanel();
    return control;
  }
  QImage Render(int scale) {
    QImage image(panel->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    panel->render(&image);
    return image;
  }
  static COLORREF At(const QImage& image, int x, int y) {
    QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
  }
  // Every device pixel of the `width` × `height` area at `origin` (device
  // pixels) shows the picture, or the panel where the picture is black.
  static void ExpectShows(const QImage& image, QPoint origin, int width, int height, const Picture& picture) {
    int wrong = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        COLORREF expected = picture(x, y) == RGB(0, 0, 0) ? kBackground : picture(x, y);
        if (At(image, origin.x() + x, origin.y() + y) != expected && wrong++ < 3)
          ADD_FAILURE() << "pixel " << x << ", " << y << " of the picture";
      }
    EXPECT_EQ(wrong, 0);
  }
};

}  // namespace

TEST_F(HighDensityTest, ButtonShowsItsDoublePicturesPixelForPixelInEveryCellAndTheSameAtPlainDensity) {
  const Picture plain = Checker(RGB(0, 200, 0), RGB(0, 120, 0));
  const Picture up = Checker(RGB(250, 10, 10), RGB(10, 250, 250));
  const Picture down = Stripes(RGB(250, 250, 10), RGB(200, 10, 200));
  AddPicture("BTN_D1", 10, 8, plain);
  AddPicture("BTN_D2", 10, 8, Checker(RGB(0, 0, 200), RGB(0, 0, 120)));
  AddPicture("BTN_D1@2x", 20, 16, up);
  AddPicture("BTN_D2@2x", 20, 16, down);
  auto* button = Attach<CZORCheckBox>("BTN", QSize(50, 50), nullptr, false);
  EXPECT_EQ(button->geometry(), QRect(kPlace, QSize(10, 8))) << "sized by the plain picture";

  ExpectShows(Render(2), kPlace * 2, 20, 16, up);
  const QImage& strip = button->Strip(2);
  EXPECT_EQ(strip.size(), QSize(20 * 5, 16)) << "two frames and three state cells";
  EXPECT_EQ(strip.devicePixelRatio(), 2);

  // Frame 2 comes from its own cell, not a neighbour's half.
  SendMouse(button, QEvent::MouseButtonPress, QPoint(5, 4));
  SendMouse(button, QEvent::MouseButtonRelease, QPoint(5, 4));
  ASSERT_TRUE(button->IsChecked());
  ExpectShows(Render(2), kPlace * 2, 20, 16, down);

  button->SetCheck(false);
  ExpectShows(Render(1), kPlace, 10, 8, plain);
  EXPECT_EQ(button->Strip(1).size(), QSize(10 * 5, 8));
}

TEST_F(HighDensityTest, MissingOrMisSizedDoublePicturesAreThePlainOnesEnlarged) {
  const Picture first = Checker(RGB(0, 200, 0), RGB(0, 120, 0));
  const Picture second = Stripes(RGB(200, 200, 0), RGB(90, 0, 90));
  AddPicture("BTN_D1", 10, 8, first);
  AddPicture("BTN_D2", 10, 8, second);
  AddPicture("BTN_D2@2x", 19, 16, Checker(RGB(255, 0, 0), RGB(255, 255, 255)));  // not twice the size
  auto* button = Attach<CZORButton>("BTN", QSize(50, 50), nullptr, false);
  auto enlarged = [](const Picture& picture) { return [picture](int x, int y) { return picture(x / 2, y / 2); }; };
  ExpectShows(Render(2), kPlace * 2, 20, 16, enlarged(first));
  SendMouse(button, QEvent::MouseButtonPress, QPoint(5, 4));
  ExpectShows(Render(2), kPlace * 2, 20, 16, enlarged(second));
}

TEST_F(HighDensityTest, RoundButtonKeepsTheDoubleShapeAtDoubleDensity) {
  const Picture face = Checker(RGB(0, 200, 0), RGB(0, 120, 0));
  const Picture dense = [](int x, int y) { return (x + y) % 2 ? RGB(250, 10, 10) : RGB(10, 250, 250); };
  AddPicture("BTN_D1", 10, 8, face);
  AddPicture("BTN_D2", 10, 8, face);
  AddPicture("BTN_D1@2x", 20, 16, dense);
  // The plain shape cuts the corners by one unit, the double one by three
  // pixels: a pixel and a half, which only the double shape can say.
  const std::vector<CRect> plainShape = {CRect(1, 0, 9, 8), CRect(0, 1, 10, 7)};
  const std::vector<CRect> denseShape = {CRect(3, 0, 17, 16), CRect(0, 3, 20, 13)};
  skin.AddResource("BTN_RGN", "wndrgn", RegionResource(plainShape));
  skin.AddResource("BTN_RGN@2x", "wndrgn", RegionResource(denseShape));
  auto* button = Attach<CZORButton>("BTN", QSize(50, 50), nullptr, false);

  ASSERT_TRUE(button->WindowShape(2));
  EXPECT_EQ(button->WindowShape(2)->Rects().size(), 2u);
  ExpectShows(Render(2), kPlace * 2, 20, 16, [&](int x, int y) {
    for (const CRect& rect : denseShape)
      if (rect.PtInRect(CPoint(x, y))) return dense(x, y);
    return RGB(0, 0, 0);
  });

  // On a screen of that density the window's own shape takes every unit the
  // double shape touches, so that it cuts none of it.
  button->SetWindowRgn(button->WindowShape(2), false, 2);
  EXPECT_EQ(button->mask(), QRegion(1, 0, 8, 8) + QRegion(0, 1, 10, 6));
}

TEST_F(HighDensityTest, StaticDrawsItsDoublePictureOverTheSameRectangle) {
  const Picture label = Stripes(RGB(240, 240, 240), RGB(30, 160, 90));
  AddPicture("LABEL_D1", 12, 6, Checker(RGB(1, 1, 1), RGB(2, 2, 2)));
  AddPicture("LABEL_D1@2x", 24, 12, label);
  Attach<CZORStatic>("LABEL", QSize(40, 40));
  ExpectShows(Render(2), kPlace * 2, 24, 12, label);
}

TEST_F(HighDensityTest, SliderThumbAndTrackComeFromTheirDoublePictures) {
  const Picture thumb = Checker(RGB(250, 250, 250), RGB(250, 10, 10));
  const Picture track = Stripes(RGB(10, 200, 10), RGB(10, 90, 10));
  AddPicture("SL_THUMB", 6, 10, Checker(RGB(9, 9, 9), RGB(8, 8, 8)));
  AddPicture("SL_THUMB@2x", 12, 20, thumb);
  AddPicture("SL_TRACK", 40, 10, [](int, int) { return RGB(9, 9, 9); });
  AddPicture("SL_TRACK@2x", 80, 20, track);
  auto* slider = Attach<CZORSlider>("SL", QSize(40, 10), kSliderNoTrackFill | kSliderActionPicture | kSliderHorizontal);
  slider->SetPos(0);  // the thumb at the far end, the lit track up to it
  QImage image = Render(2);
  const int thumbLeft = 2 * (slider->ThumbPosition() - 3);
  ExpectShows(image, QPoint(2 * kPlace.x() + thumbLeft, 2 * kPlace.y()), 12, 20,
              [&](int x, int y) { return x == 0 ? track(thumbLeft, y) : thumb(x, y); });  // lit track under its edge
  // Left of the thumb the lit track shows, from its own pixels.
  ExpectShows(image, kPlace * 2, thumbLeft, 20, track);
}
