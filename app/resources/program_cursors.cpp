// The program's cursors. The two hands are drawn as pictures; the frame,
// direction and tool cursors are drawn with strokes on a canvas, so that the
// eight directions of a table are one drawing turned.
#include "app/resources/program_cursors.h"

#include <cmath>
#include <numbers>

#include "app/resources/cursor_canvas.h"
#include "platform/core/cursor_data.h"

namespace {

constexpr CDoublePoint kMiddle{16, 16};
constexpr CPoint kMiddleHotSpot{16, 16};

CDoublePoint Towards(double angle, double length) {
  return {kMiddle.x + length * std::cos(angle), kMiddle.y + length * std::sin(angle)};
}

// A double arrow through the middle along `angle`.
CursorPlanes ResizeCursor(double angle) {
  CCursorCanvas canvas;
  canvas.Arrow(kMiddle, Towards(angle, 11));
  canvas.Arrow(kMiddle, Towards(angle + std::numbers::pi, 11));
  return canvas.Planes(kMiddleHotSpot);
}

CursorPlanes MoveCursor() {
  CCursorCanvas canvas;
  for (int k = 0; k < 4; ++k) canvas.Arrow(kMiddle, Towards(k * std::numbers::pi / 2, 11));
  return canvas.Planes(kMiddleHotSpot);
}

CursorPlanes CrossHair(bool ringed) {
  CCursorCanvas canvas;
  canvas.Line({16.5, 4}, {16.5, 14}, 1);
  canvas.Line({16.5, 19}, {16.5, 29}, 1);
  canvas.Line({4, 16.5}, {14, 16.5}, 1);
  canvas.Line({19, 16.5}, {29, 16.5}, 1);
  if (ringed) canvas.Circle(kMiddle, 6, false, 1);
  return canvas.Planes(kMiddleHotSpot);
}

// The key-point cursor: a cross-hair with a dot in the middle.
CursorPlanes LinePointCursor() {
  CCursorCanvas canvas;
  canvas.Line({16.5, 5}, {16.5, 13}, 1);
  canvas.Line({16.5, 20}, {16.5, 28}, 1);
  canvas.Line({5, 16.5}, {13, 16.5}, 1);
  canvas.Line({20, 16.5}, {28, 16.5}, 1);
  canvas.Circle({16.5, 16.5}, 1.5, true);
  return canvas.Planes(kMiddleHotSpot);
}

// An arc through the hot spot, bulging out in the octant's direction (the
// way the frame's centre lies behind it), an arrowhead at each end pointing
// round the circle.
CursorPlanes RotateCursor(int octant) {
  const double angle = octant * std::numbers::pi / 4;
  const double spread = 0.75;
  const double radius = 15;
  const CDoublePoint centre = Towards(angle + std::numbers::pi, radius);
  CCursorCanvas canvas;
  canvas.Arc(centre, radius, angle - spread, angle + spread);
  for (double end : {angle - spread, angle + spread}) {
    const CDoublePoint tip{centre.x + radius * std::cos(end), centre.y + radius * std::sin(end)};
    const double sense = end > angle ? 1 : -1;  // along the circle, away from the middle of the arc
    canvas.ArrowHead(tip, {-std::sin(end) * sense, std::cos(end) * sense});
  }
  return canvas.Planes(kMiddleHotSpot);
}

CursorPlanes DirectionCursor(int octant) {
  const double angle = octant * std::numbers::pi / 4;
  CCursorCanvas canvas;
  canvas.Arrow(Towards(angle + std::numbers::pi, 8), Towards(angle, 12));
  return canvas.Planes(kMiddleHotSpot);
}

// Hot spot at the left end of the teeth.
CursorPlanes CombCursor() {
  CCursorCanvas canvas;
  canvas.Line({4, 8}, {27, 8}, 3);
  for (int x = 5; x <= 26; x += 3) canvas.Line({x + 0.5, 9}, {x + 0.5, 20}, 1);
  return canvas.Planes({4, 20});
}

// Hot spot where the blades cross.
CursorPlanes SnippersCursor() {
  CCursorCanvas canvas;
  canvas.Line({6, 3}, {22, 23}, 2);
  canvas.Line({26, 3}, {10, 23}, 2);
  canvas.Circle({8, 26}, 3.5);
  canvas.Circle({24, 26}, 3.5);
  return canvas.Planes({16, 13});
}

// Hot spot at the tip of the bristles.
CursorPlanes BrushCursor() {
  CCursorCanvas canvas;
  canvas.Line({27, 4}, {14, 17}, 3);
  canvas.Line({13, 18}, {8, 23}, 5);
  canvas.Line({8, 23}, {3, 28}, 2.5);
  return canvas.Planes({3, 28});
}

// A can with its nozzle to the upper left and the spray before it; hot spot
// in the middle of the spray.
CursorPlanes SprayCursor() {
  CCursorCanvas canvas;
  canvas.Line({20, 12}, {20, 29}, 9);
  canvas.Line({18, 7}, {22, 7}, 2);
  canvas.Line({18, 8}, {15, 8}, 1.5);
  for (CPoint dot : {CPoint{6, 4}, CPoint{9, 6}, CPoint{5, 8}, CPoint{8, 10}, CPoint{11, 8}, CPoint{4, 12},
                     CPoint{10, 3}, CPoint{7, 13}})
    canvas.Pixel(dot.x, dot.y);
  return canvas.Planes({8, 8});
}

// Hot spot at the tip of the glass.
CursorPlanes EyedropperCursor() {
  CCursorCanvas canvas;
  canvas.Line({3, 28}, {17, 14}, 2);
  canvas.Line({15, 12}, {19, 16}, 2);  // the collar
  canvas.Circle({23, 8}, 4.5, true);
  return canvas.Planes({3, 28});
}

// Hot spot in the middle of the lens.
CursorPlanes ZoomCursor() {
  CCursorCanvas canvas;
  canvas.Circle({12.5, 12.5}, 8, false, 2);
  canvas.Line({18.5, 18.5}, {28, 28}, 4);
  canvas.Line({8.5, 12.5}, {16.5, 12.5}, 1);
  canvas.Line({12.5, 8.5}, {12.5, 16.5}, 1);
  return canvas.Planes({12, 12});
}

constexpr const char* kOpenHand[] = {
    "",
    "      XX",
    "   XXXooX XX",
    "  XooXooX XoX",
    "  XooXooXXooX",
    "   XooXooXooX XX",
    "   XooXooXooXXoX",
    " XXXooooooooXooX",
    "XooXoooooooooooX",
    "XoooooooooooooX",
    " XoooooooooooooX",
    "  XoooooooooooX",
    "   XooooooooooX",
    "    XoooooooooX",
    "     XoooooooX",
    "      XXXXXXX",
};

constexpr const char* kPointingHand[] = {
    "     XX",
    "    XooX",
    "    XooX",
    "    XooX",
    "    XooXXX",
    "    XooXooXXX",
    "    XooXooXooXX",
    " XX XooXooXooXoX",
    "XooXXoooooooooooX",
    "XoooXooooooooooX",
    " XooooooooooooooX",
    "  XoooooooooooooX",
    "  XooooooooooooX",
    "   XoooooooooooX",
    "    XooooooooooX",
    "    XoooooooooX",
    "     XXXXXXXXXX",
};

constexpr const char* kClosedHand[] = {
    "",
    "",
    "",
    "    XX XX XX",
    "   XooXooXooXX",
    "   XooooooooXoX",
    "    XoooooooooX",
    "   XXoooooooooX",
    "  XooooooooooooX",
    "  XooooooooooooX",
    "   XoooooooooooX",
    "    XoooooooooX",
    "     XooooooooX",
    "     XXXXXXXXX",
};

}  // namespace

std::string RotateCursorName(int octant) { return "IDC_CUR_ROTATE_" + std::to_string(octant); }

std::string DirectionCursorName(int octant) { return "IDC_CUR_DIRECTION_" + std::to_string(octant); }

void AddProgramCursors(CMemoryResourceModule& module) {
  auto add = [&module](unsigned id, const CursorPlanes& planes) {
    module.AddResource(MakeIntResource(id), "CustomCursor", EncodeCursorData(planes));
  };
  const double quarter = std::numbers::pi / 2;
  const double axisAngles[4] = {quarter, 0, quarter / 2, 3 * quarter / 2};
  for (int axis = 0; axis < 4; ++axis) add(kResizeCursorIds[axis], ResizeCursor(axisAngles[axis]));
  add(kMoveCursorId, MoveCursor());
  add(kCrossHairCursorId, CrossHair(false));
  add(kRingedCrossHairCursorId, CrossHair(true));
  add(kLinePointCursorId, LinePointCursor());
  for (int octant = 0; octant < 8; ++octant) {
    module.AddResource(RotateCursorName(octant).c_str(), "CustomCursor", EncodeCursorData(RotateCursor(octant)));
    module.AddResource(DirectionCursorName(octant).c_str(), "CustomCursor",
                       EncodeCursorData(DirectionCursor(octant)));
  }
  add(kCombCursorId, CombCursor());
  add(kSnippersCursorId, SnippersCursor());
  add(kBrushCursorId, BrushCursor());
  add(kSprayCursorId, SprayCursor());
  add(kEyedropperCursorId, EyedropperCursor());
  add(kHandCursorId, CursorFromPicture(kOpenHand, CPoint(8, 8)));
  add(kZoomCursorId, ZoomCursor());
  module.AddResource("IDC_CUR_CUSTOMBUTTON", "CustomCursor",
                     EncodeCursorData(CursorFromPicture(kPointingHand, CPoint(5, 0))));
  module.AddResource("IDC_CUR_HANDCLOSE", "CustomCursor",
                     EncodeCursorData(CursorFromPicture(kClosedHand, CPoint(8, 8))));
}
