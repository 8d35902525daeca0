#include <gtest/gtest.h>

#include "controls/slider_track.h"
#include "controls/zor_slider.h"
#include "tests/controls/control_fixture.h"

namespace {

constexpr unsigned kSliderId = 1301;

CSliderTrack TrackFrom10To110() {
  CSliderTrack track;
  track.SetTrack(10, 110);
  return track;
}

}  // namespace

TEST(SliderTrack, ThumbPositionsForValues) {
  CSliderTrack track = TrackFrom10To110();
  EXPECT_EQ(track.ThumbForValue(100), 10);
  EXPECT_EQ(track.ThumbForValue(0), 110);
  EXPECT_EQ(track.ThumbForValue(50), 60);
  EXPECT_EQ(track.ThumbForValue(150), 10);
  EXPECT_EQ(track.ThumbForValue(-20), 110);
}

struct PlacementCase {
  int position;
  int thumb;
  int value;
};

class SliderPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(SliderPlacement, PointerPositionGivesThumbAndValue) {
  CSliderTrack::Placement placement = TrackFrom10To110().PlaceAt(GetParam().position);
  EXPECT_EQ(placement.thumb, GetParam().thumb);
  EXPECT_EQ(placement.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    SliderTrack, SliderPlacement,
    ::testing::Values(PlacementCase{58, 60, 50}, PlacementCase{60, 60, 50}, PlacementCase{63, 60, 50},
                      // The snap band is m - 3 <= p <= m + 3, so 57 (= 60 - 3)
                      // snaps like 63 does; 53 would need 57 outside the band.
                      PlacementCase{57, 60, 50}, PlacementCase{56, 56, 54}, PlacementCase{64, 64, 46}, PlacementCase{10, 10, 100},
                      PlacementCase{110, 110, 0}, PlacementCase{-40, 10, 100}, PlacementCase{500, 110, 0},
                      // 29 / 100 * 100 is 28.999... in double precision: the
                      // formula truncates it to 28, so the value is 72, not 71.
                      PlacementCase{39, 39, 72}));

TEST(SliderTrack, TrackOfNoLengthSnapsInsteadOfDividingByZero) {
  CSliderTrack track;
  track.Layout(10, 30);  // a thumb longer than the slider
  EXPECT_EQ(track.Start(), track.End());
  EXPECT_EQ(track.PlaceAt(4).value, 50);
}

class SliderTest : public ControlTest {
 protected:
  // A 24 x 120 slider with a 20 x 20 thumb: the track runs from 10 to 110.
  CZORSlider* Attach(int options, QSize size = QSize(24, 120)) {
    skin.AddResource("SLD_THUMB", "dibimage", SolidPictureWithBlackEdge(20, 20, RGB(250, 0, 0)));
    AddTemplateItems(panel.get(), {{kSliderId, "SLD", QRect(QPoint(10, 10), size)}});
    auto* slider = new CZORSlider(panel.get());
    EXPECT_EQ(slider->SubclassDlgItem(kSliderId, panel.get(), options), 1);
    ShowPanel();
    return slider;
  }
  static WPARAM ScrollWParam(int value) { return static_cast<WPARAM>(value) * 65536 + SB_THUMBPOSITION; }
};

TEST_F(SliderTest, SetPosPlacesTheThumbAndSendsNothing) {
  CZORSlider* slider = Attach(0);
  EXPECT_EQ(slider->Track().Start(), 10);
  EXPECT_EQ(slider->Track().End(), 110);
  EXPECT_EQ(slider->GetPos(), 100);
  slider->SetPos(50);
  EXPECT_EQ(slider->ThumbPosition(), 60);
  slider->SetPos(150);
  EXPECT_EQ(slider->GetPos(), 100);
  EXPECT_EQ(slider->ThumbPosition(), 10);
  EXPECT_TRUE(panel->Received(WM_VSCROLL).empty());
}

TEST_F(SliderTest, PressSnapsToTheMiddleAndTellsParentThenMainWindow) {
  CZORSlider* slider = Attach(0);
  SendMouse(slider, QEvent::MouseButtonPress, QPoint(12, 58));
  EXPECT_EQ(slider->GetPos(), 50);
  EXPECT_EQ(slider->ThumbPosition(), 60);
  ASSERT_TRUE(GetClipCursor().has_value());
  for (RecordingWnd* receiver : {panel.get(), mainWindow.get()}) {
    auto scrolls = receiver->Received(WM_VSCROLL);
    ASSERT_EQ(scrolls.size(), 1u);
    EXPECT_EQ(scrolls[0].wParam, ScrollWParam(50));
    EXPECT_EQ(WindowFromLParam(scrolls[0].lParam), slider);
  }
  SendMouse(slider, QEvent::MouseButtonRelease, QPoint(12, 58));
  EXPECT_FALSE(GetClipCursor().has_value());
}

TEST_F(SliderTest, HorizontalPressScrollsHorizontallyButDragsScrollVertically) {
  CZORSlider* slider = Attach(kSliderHorizontal, QSize(120, 24));
  SendMouse(slider, QEvent::MouseButtonPress, QPoint(10, 12));
  EXPECT_EQ(slider->GetPos(), 100);
  SendMouse(slider, QEvent::MouseMove, QPoint(56, 12), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(slider->GetPos(), 54);
  EXPECT_TRUE(slider->ThumbHovered());
  auto horizontal = panel->Received(WM_HSCROLL);
  auto vertical = panel->Received(WM_VSCROLL);
  ASSERT_EQ(horizontal.size(), 1u);
  EXPECT_EQ(horizontal[0].wParam, ScrollWParam(100));
  ASSERT_EQ(vertical.size(), 1u);
  EXPECT_EQ(vertical[0].wParam, ScrollWParam(54));
}

TEST_F(SliderTest, PaintsTrackColourUpToTheThumbAndTheThumbOverIt) {
  CZORSlider* slider = Attach(0);
  slider->SetTrackColor(RGB(0, 128, 0));
  slider->SetPos(0);  // thumb centred at 110
  QImage shown = slider->grab().toImage();
  EXPECT_EQ(shown.pixelColor(12, 50), QColor(0, 128, 0));   // track fill
  EXPECT_EQ(shown.pixelColor(12, 105), QColor(250, 0, 0));  // thumb
}

TEST_F(SliderTest, MissingThumbIsReported) {
  AddTemplateItems(panel.get(), {{kSliderId, "NOSKIN", QRect(0, 0, 20, 100)}});
  auto* slider = new CZORSlider(panel.get());
  slider->SubclassDlgItem(kSliderId, panel.get(), 0);
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, "ZORSlider: Resource load failed");
  EXPECT_FALSE(slider->HasThumb());
}

// The track picture's variants: filling only the action area (from the first
// end to the thumb) or lying whole under the thumb; asking for both keeps
// the whole track.
TEST_F(SliderTest, TrackPictureFillsTheActionAreaOrTheWholeTrack) {
  skin.AddResource("SLD_TRACK", "dibimage", SolidPictureWithBlackEdge(24, 120, RGB(0, 0, 200)));
  struct Case {
    int options;
    bool aboveThumb, belowThumb;
  };
  for (Case c : {Case{kSliderNoTrackFill | kSliderActionPicture, true, false},
                 Case{kSliderNoTrackFill | kSliderTrackPicture, true, true},
                 Case{kSliderNoTrackFill | kSliderActionPicture | kSliderTrackPicture, true, true},
                 Case{kSliderNoTrackFill, false, false}}) {
    CZORSlider* slider = Attach(c.options);
    EXPECT_EQ(slider->Options() & (kSliderActionPicture | kSliderTrackPicture),
              c.options & kSliderTrackPicture ? kSliderTrackPicture : c.options & kSliderActionPicture)
        << c.options;
    slider->SetPos(50);  // thumb centred at 60, 20 high
    QImage shown = slider->grab().toImage();
    EXPECT_EQ(shown.pixelColor(12, 30) == QColor(0, 0, 200), c.aboveThumb) << c.options;
    EXPECT_EQ(shown.pixelColor(12, 90) == QColor(0, 0, 200), c.belowThumb) << c.options;
    EXPECT_EQ(shown.pixelColor(12, 60), QColor(250, 0, 0)) << c.options << ": the thumb stays on top";
    delete slider;
  }
}
