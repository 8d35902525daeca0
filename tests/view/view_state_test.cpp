// Zoom steps, the scroll clamp, centring on a zoom click and panning.
#include <gtest/gtest.h>

#include "app/view/view_state.h"

namespace {

CViewState ScreenView(CSize screen, CSize client) {
  CViewState state;
  state.SetScreenSize(screen);
  state.SetClientSize(client);
  return state;
}

TEST(ViewZoom, StepsByHalvesBetweenOneAndTen) {
  CViewState state;
  state.SetZoom(9.5);
  EXPECT_TRUE(state.ZoomIn());
  EXPECT_EQ(state.Zoom(), 10.0);
  EXPECT_FALSE(state.ZoomIn());
  EXPECT_EQ(state.Zoom(), 10.0);
  state.SetZoom(1.0);
  EXPECT_FALSE(state.ZoomOut());
  state.SetZoom(1.4);  // not a step value; out goes to the floor
  EXPECT_TRUE(state.ZoomOut());
  EXPECT_EQ(state.Zoom(), 1.0);
  state.SetZoom(9.7);
  EXPECT_TRUE(state.ZoomIn());
  EXPECT_EQ(state.Zoom(), 10.0);
  state.SetZoom(2.0);
  EXPECT_TRUE(state.ZoomOut());
  EXPECT_EQ(state.Zoom(), 1.5);
}

TEST(ViewScroll, AClientAsLargeAsTheScreenAtZoomOneStaysAtTheOrigin) {
  CViewState state = ScreenView({1280, 1024}, {1280, 1024});
  state.SetScroll({40, 50});
  state.ClampScroll();
  EXPECT_EQ(state.Scroll(), CPoint(0, 0));
}

TEST(ViewScroll, ClampsToTheScreenLessTheZoomedClient) {
  CViewState state = ScreenView({1000, 800}, {401, 300});
  state.SetZoom(2.0);
  state.SetScroll({5000, -7});
  state.ClampScroll();
  EXPECT_EQ(state.Scroll(), CPoint(800, 0));  // 1000 - trunc(401 / 2)
  EXPECT_EQ(state.VisibleDocumentRect(), CRect(800, 0, 1000, 150));
  EXPECT_EQ(state.ClientToDocument({3, 5}), CPoint(801, 2));
}

TEST(ViewScroll, AZoomClickCentresTheClickedPoint) {
  CViewState state = ScreenView({1000, 800}, {400, 300});
  ASSERT_TRUE(state.ZoomIn());
  state.CentreOn({500, 400});
  // 500 - trunc(200 / 1.5) and 400 - trunc(150 / 1.5).
  EXPECT_EQ(state.Scroll(), CPoint(367, 300));
}

TEST(ViewPan, MovesTheOriginAgainstThePointerAndIgnoresStepsBelowAPixel) {
  CViewState state = ScreenView({1000, 800}, {400, 300});
  state.SetZoom(3.0);
  state.SetScroll({100, 100});
  EXPECT_FALSE(state.Pan(2, -2)) << "under one document unit at zoom 3";
  EXPECT_TRUE(state.Pan(7, -9));
  EXPECT_EQ(state.Scroll(), CPoint(98, 103));
  EXPECT_TRUE(state.Pan(1000, 0));
  EXPECT_EQ(state.Scroll().x, 0);
}

}  // namespace
