#include "styles/Style_1/icons.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <utility>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kGrid = 24;
constexpr double kStroke = 1.75;  // grid units

using Point = std::pair<double, double>;

// Draws on the 24-unit grid of an icon placed at (left, top) with the given size.
class Pen {
 public:
  Pen(Canvas& canvas, double left, double top, double size, Rgb ink)
      : m_canvas(canvas), m_left(left), m_top(top), m_unit(size / kGrid), m_ink(ink),
        m_width(std::max(1.3, kStroke * size / kGrid)) {}

  void Line(double x0, double y0, double x1, double y1, double weight = 1) {
    m_canvas.Line(X(x0), Y(y0), X(x1), Y(y1), m_width * weight, m_ink);
  }
  void Poly(std::initializer_list<Point> points, bool closed = false, double weight = 1) {
    const Point* previous = nullptr;
    for (const Point& p : points) {
      if (previous) Line(previous->first, previous->second, p.first, p.second, weight);
      previous = &p;
    }
    if (closed && points.size() > 2) Line(previous->first, previous->second, points.begin()->first, points.begin()->second, weight);
  }
  void Ring(double cx, double cy, double r) { m_canvas.Ring(X(cx), Y(cy), r * m_unit, m_width, m_ink); }
  // Degrees, clockwise on screen from east.
  void Arc(double cx, double cy, double r, double from, double to) {
    m_canvas.Arc(X(cx), Y(cy), r * m_unit, from * kPi / 180, to * kPi / 180, m_width, m_ink);
  }
  void Dot(double cx, double cy, double r) { m_canvas.Disc(X(cx), Y(cy), r * m_unit, m_ink); }
  void Box(double l, double t, double r, double b, double radius = 2) {
    m_canvas.RoundRectOutline(X(l), Y(t), X(r), Y(b), radius * m_unit, m_width, m_ink);
  }
  void Solid(double l, double t, double r, double b, double radius = 1) {
    m_canvas.RoundRect(X(l), Y(t), X(r), Y(b), radius * m_unit, m_ink, m_ink);
  }
  // An arrow head at (x, y) pointing along (dx, dy).
  void Head(double x, double y, double dx, double dy, double length = 4) {
    const double n = std::hypot(dx, dy);
    const double ux = dx / n, uy = dy / n;
    Line(x, y, x - length * (ux - uy * 0.8), y - length * (uy + ux * 0.8));
    Line(x, y, x - length * (ux + uy * 0.8), y - length * (uy - ux * 0.8));
  }
  // A solid triangle: its outline stroked, its inside filled by strokes.
  void Triangle(Point a, Point b, Point c) {
    for (double t = 0; t <= 1.0001; t += 0.125)
      Line(a.first, a.second, b.first + t * (c.first - b.first), b.second + t * (c.second - b.second));
    Poly({a, b, c}, true);
  }
  void DashedRing(double cx, double cy, double r, int dashes) {
    const double step = 360.0 / dashes;
    for (int i = 0; i < dashes; ++i) Arc(cx, cy, r, i * step, i * step + step * 0.45);
  }

 private:
  double X(double g) const { return m_left + g * m_unit; }
  double Y(double g) const { return m_top + g * m_unit; }
  Canvas& m_canvas;
  double m_left, m_top, m_unit;
  Rgb m_ink;
  double m_width;
};

using Drawing = void (*)(Pen&);

void Check(Pen& p) { p.Poly({{4.5, 12.5}, {9.5, 17.5}, {19.5, 6.5}}); }
void Cross(Pen& p) {
  p.Line(6.5, 6.5, 17.5, 17.5);
  p.Line(17.5, 6.5, 6.5, 17.5);
}
void Bin(Pen& p) {
  p.Line(3.5, 6, 20.5, 6);
  p.Poly({{9, 6}, {9, 3}, {15, 3}, {15, 6}});
  p.Poly({{6, 6}, {7, 21}, {17, 21}, {18, 6}});
  p.Line(10, 10, 10.3, 17);
  p.Line(14, 10, 13.7, 17);
}
void Printer(Pen& p) {
  p.Poly({{7, 8}, {7, 3}, {17, 3}, {17, 8}});
  p.Box(3, 8, 21, 17);
  p.Box(7, 13.5, 17, 21, 1);
  p.Dot(17.5, 10.8, 1);
}
void Gear(Pen& p) {
  p.Ring(12, 12, 3);
  p.Ring(12, 12, 6.5);
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4;
    p.Line(12 + 7 * std::cos(a), 12 + 7 * std::sin(a), 12 + 9.5 * std::cos(a), 12 + 9.5 * std::sin(a), 1.5);
  }
}
void Eyedropper(Pen& p) {
  p.Line(5, 19, 13.5, 10.5);
  p.Line(11, 8, 16, 13);
  p.Line(14.5, 9.5, 19, 5, 2);
  p.Dot(4, 20, 1.4);
}
void Play(Pen& p) { p.Triangle({8, 5}, {8, 19}, {19, 12}); }
void Star(Pen& p, double cx, double cy, double outer, double inner) {
  Point points[10];
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5;
    const double r = i % 2 ? inner : outer;
    points[i] = {cx + r * std::cos(a), cy + r * std::sin(a)};
  }
  for (int i = 0; i < 10; ++i)
    p.Line(points[i].first, points[i].second, points[(i + 1) % 10].first, points[(i + 1) % 10].second);
}
void Brackets(Pen& p) {
  p.Poly({{3, 8}, {3, 3}, {8, 3}});
  p.Poly({{16, 3}, {21, 3}, {21, 8}});
  p.Poly({{21, 16}, {21, 21}, {16, 21}});
  p.Poly({{8, 21}, {3, 21}, {3, 16}});
}

const std::map<std::string, Drawing>& Drawings() {
  static const std::map<std::string, Drawing> drawings = {
      // Title bar.
      {"SYS_HELP",
       [](Pen& p) {
         p.Arc(12, 8.5, 4.5, 180, 400);
         p.Poly({{15.4, 11.4}, {12, 13.5}, {12, 15}});
         p.Dot(12, 19.5, 1.5);
       }},
      {"SYS_MIN", [](Pen& p) { p.Line(6, 13, 18, 13); }},
      {"SYS_EXIT", Cross},
      // Left bar.
      {"NEW_CLIENT",
       [](Pen& p) {
         p.Ring(10, 8, 3.8);
         p.Arc(10, 21.5, 7, 180, 360);
         p.Line(19, 4, 19, 11);
         p.Line(15.5, 7.5, 22.5, 7.5);
       }},
      {"PHOTO_GET",
       [](Pen& p) {
         p.Box(3, 5, 21, 19);
         p.Poly({{5.5, 16.5}, {10, 11}, {13, 14}, {15, 12}, {18.5, 16.5}});
         p.Dot(16.5, 8.8, 1.7);
       }},
      {"APP_PRINT", Printer},
      {"APP_OPTIONS", Gear},
      {"APP_STATISTICS",
       [](Pen& p) {
         p.Line(3.5, 20.5, 20.5, 20.5);
         p.Line(7, 20.5, 7, 13, 1.4);
         p.Line(12, 20.5, 12, 5, 1.4);
         p.Line(17, 20.5, 17, 10, 1.4);
       }},
      {"APP_HELP",
       [](Pen& p) {  // a life ring
         p.Ring(12, 12, 8.5);
         p.Ring(12, 12, 3.5);
         for (int i = 0; i < 4; ++i) {
           const double a = kPi / 4 + i * kPi / 2;
           p.Line(12 + 3.5 * std::cos(a), 12 + 3.5 * std::sin(a), 12 + 8.5 * std::cos(a), 12 + 8.5 * std::sin(a));
         }
       }},
      {"APP_ABOUT",
       [](Pen& p) {
         p.Ring(12, 12, 9);
         p.Line(12, 11, 12, 17);
         p.Dot(12, 7.3, 1.4);
       }},
      {"APP_EXIT",
       [](Pen& p) {  // the power sign
         p.Arc(12, 13, 7.5, 300, 600);
         p.Line(12, 2.5, 12, 11);
       }},
      // Top bar.
      {"TOOL_SET_PRJ_PREV", [](Pen& p) { p.Poly({{15, 5}, {8, 12}, {15, 19}}); }},
      {"TOOL_SET_PRJ_NEXT", [](Pen& p) { p.Poly({{9, 5}, {16, 12}, {9, 19}}); }},
      {"TOOL_SEL_PHOTO_FACE",
       [](Pen& p) {
         p.Box(3.5, 3, 20.5, 21);
         p.Ring(12, 10, 3.3);
         p.Arc(12, 21, 6, 180, 360);
       }},
      {"TOOL_SEL_MAKEUP",
       [](Pen& p) {  // a lipstick
         p.Box(8.5, 13, 15.5, 21.5, 1);
         p.Poly({{9.5, 13}, {9.5, 7}, {14.5, 3.5}, {14.5, 13}});
         p.Line(8.5, 16.5, 15.5, 16.5, 0.6);
       }},
      {"TOOL_SEL_HAIRSTYLE",
       [](Pen& p) {
         p.Arc(12, 11.5, 8, 180, 360);
         p.Line(4, 11.5, 5, 20.5);
         p.Line(20, 11.5, 19, 20.5);
         p.Poly({{6.5, 11.5}, {10, 7.5}, {13, 10.5}, {17.5, 8}});
         p.Arc(12, 13, 4.5, 20, 160);
       }},
      {"TOOL_SEL_GLASSES",
       [](Pen& p) {
         p.Ring(7, 13, 4);
         p.Ring(17, 13, 4);
         p.Arc(12, 13.5, 2.2, 200, 340);
         p.Line(3, 12.5, 1.8, 9);
         p.Line(21, 12.5, 22.2, 9);
       }},
      {"TOOL_SEL_MOUSTACHE",
       [](Pen& p) {
         p.Arc(7.8, 8, 5, 40, 150);
         p.Arc(16.2, 8, 5, 30, 140);
         p.Line(3.5, 10.5, 2.5, 8.5);
         p.Line(20.5, 10.5, 21.5, 8.5);
       }},
      {"TOOL_SEL_EYEBROW",
       [](Pen& p) {
         p.Arc(12, 15, 9, 205, 335);
         p.Arc(12, 21, 6, 215, 325);
         p.Arc(12, 11, 6, 35, 145);
         p.Dot(12, 16, 1.8);
       }},
      {"TOOL_SEL_NOSE",
       [](Pen& p) {
         p.Poly({{12, 3}, {10.5, 13}, {7.5, 16.5}, {9.5, 19}, {14.5, 19}, {16.5, 16.5}});
         p.Dot(10.5, 17, 0.9);
       }},
      {"TOOL_SEL_BREAST",
       [](Pen& p) {
         p.Line(5, 3, 6, 9);
         p.Line(19, 3, 18, 9);
         p.Arc(8.5, 12.5, 4.5, 10, 170);
         p.Arc(15.5, 12.5, 4.5, 10, 170);
         p.Line(7, 21, 17, 21);
       }},
      {"TOOL_SEL_ACCESSORIES",
       [](Pen& p) {  // an ear-ring with a stone
         p.Ring(12, 6.5, 3);
         p.Line(12, 9.5, 12, 12.5);
         p.Poly({{12, 12.5}, {16.5, 16.5}, {12, 21.5}, {7.5, 16.5}}, true);
         p.Line(7.5, 16.5, 16.5, 16.5, 0.6);
       }},
      {"TOOL_SEL_HEADDRESS",
       [](Pen& p) {  // a hat
         p.Line(2.5, 18.5, 21.5, 18.5);
         p.Box(6.5, 5, 17.5, 18.5);
         p.Line(6.5, 14.5, 17.5, 14.5, 1.2);
       }},
      {"TOOL_SEL_CUSTOM", [](Pen& p) { Star(p, 12, 12.8, 9.5, 4); }},
      {"TOOL_SEL_GALLERY",
       [](Pen& p) {
         p.Box(3.5, 3.5, 11, 11, 1.5);
         p.Box(13, 3.5, 20.5, 11, 1.5);
         p.Box(3.5, 13, 11, 20.5, 1.5);
         p.Box(13, 13, 20.5, 20.5, 1.5);
       }},
      {"TOOL_SET_RECT",
       [](Pen& p) {  // the face frame over a face
         Brackets(p);
         p.Ring(12, 10.5, 4);
         p.Arc(12, 20.5, 5.5, 200, 340);
       }},
      {"TOOL_FIT_FACE",
       [](Pen& p) {  // the face frame with a spark: fitted by itself
         p.Poly({{3, 8}, {3, 3}, {8, 3}});
         p.Poly({{21, 16}, {21, 21}, {16, 21}});
         p.Poly({{8, 21}, {3, 21}, {3, 16}});
         p.Ring(11, 11.5, 4);
         p.Arc(11, 21, 5.5, 200, 340);
         Star(p, 18.5, 5.5, 4, 1.6);
       }},
      {"TOOL_SET_PRNRECT",
       [](Pen& p) {  // crop marks
         p.Line(7, 2.5, 7, 17);
         p.Line(2.5, 7, 17, 7);
         p.Line(17, 7, 17, 21.5);
         p.Line(7, 17, 21.5, 17);
       }},
      {"TOOL_SET_PRYAD",
       [](Pen& p) {  // stretching, four ways
         p.Line(3, 12, 21, 12);
         p.Line(12, 3, 12, 21);
         p.Head(3, 12, -1, 0);
         p.Head(21, 12, 1, 0);
         p.Head(12, 3, 0, -1);
         p.Head(12, 21, 0, 1);
       }},
      {"TOOL_DEL_LAYER", Bin},
      {"TOOL_UNDO",
       [](Pen& p) {
         p.Arc(12.5, 13, 7, 245, 450);
         p.Head(9.6, 6.6, -1, 0.35);
       }},
      {"TOOL_REDO",
       [](Pen& p) {
         p.Arc(11.5, 13, 7, 90, 295);
         p.Head(14.4, 6.6, 1, 0.35);
       }},
      // Tools bar.
      {"TOOL_ZOOM",
       [](Pen& p) {
         p.Ring(10, 10, 6.5);
         p.Line(15, 15, 20.5, 20.5, 1.5);
       }},
      {"TOOL_RUBBER",
       [](Pen& p) {  // snippers
         p.Ring(6.5, 17.5, 3.2);
         p.Ring(17.5, 17.5, 3.2);
         p.Line(8.8, 15.2, 17, 3);
         p.Line(15.2, 15.2, 7, 3);
       }},
      {"TOOL_FINGER",
       [](Pen& p) {  // a comb
         p.Line(3, 7, 21, 7, 1.6);
         for (double x = 4.5; x < 21; x += 3) p.Line(x, 8, x, 19, 0.8);
       }},
      {"TOOL_FLIP",
       [](Pen& p) {
         for (double y = 2.5; y < 21; y += 4) p.Line(12, y, 12, y + 1.5, 0.7);
         p.Poly({{9, 6}, {3, 18}, {9, 18}}, true);
         p.Triangle({15, 6}, {15, 18}, {21, 18});
       }},
      {"TOOL_BRUSH",
       [](Pen& p) {
         p.Line(20.5, 3.5, 12.5, 11.5, 1.2);
         p.Line(13.5, 10.5, 10.5, 13.5, 1.8);
         p.Poly({{10, 12.5}, {6, 14}, {3.5, 20.5}, {9.5, 18}, {11.5, 14}}, true);
       }},
      {"TOOL_SPRAY",
       [](Pen& p) {
         p.Box(5, 10, 13, 21.5);
         p.Box(7, 6, 11, 10, 0.8);
         p.Line(9, 6, 9, 3.5);
         for (Point dot : {Point{16, 4}, {19, 3}, {18.5, 6.5}, {21.5, 6}, {16.5, 9}, {20, 9.5}})
           p.Dot(dot.first, dot.second, 0.95);
       }},
      {"TOOL_PIPETKA1", Eyedropper},
      {"TOOL_PIPETKA2", Eyedropper},
      {"TOOL_LASSO",
       [](Pen& p) {
         p.Arc(13, 9, 7.5, 120, 470);
         p.Poly({{9.2, 15.5}, {7.5, 18}, {8.5, 20.5}, {6, 22}});
       }},
      {"TOOL_WAND",
       [](Pen& p) {
         p.Line(3.5, 20.5, 14, 10, 1.3);
         p.Line(18, 2, 18, 7);
         p.Line(15.5, 4.5, 20.5, 4.5);
         p.Dot(21, 10.5, 1.1);
         p.Dot(11.5, 4, 1.1);
       }},
      {"FINGER_CHECK", Check},
      // Right panels.
      {"DIST_SRC",
       [](Pen& p) {  // the outline to move from
         p.DashedRing(12, 12, 8, 10);
         p.Dot(12, 12, 1.8);
       }},
      {"DIST_DEST",
       [](Pen& p) {  // where it goes
         p.Ring(14.5, 12, 6.5);
         p.Dot(14.5, 12, 1.8);
         p.Line(2, 12, 10, 12);
         p.Head(10, 12, 1, 0, 3.2);
       }},
      {"DIST_STAT",
       [](Pen& p) {  // the area that is deformed
         for (double a = 3; a < 20; a += 4.5) {
           p.Line(a, 3, a + 2, 3);
           p.Line(a, 21, a + 2, 21);
           p.Line(3, a, 3, a + 2);
           p.Line(21, a, 21, a + 2);
         }
         p.Dot(12, 12, 2.5);
       }},
      {"DIST_MAKE", Play},
      {"FILTER",
       [](Pen& p) {
         p.Ring(9, 9.5, 5.2);
         p.Ring(15, 9.5, 5.2);
         p.Ring(12, 15, 5.2);
       }},
      // The user's own filter: the filter's rings with a pen over them.
      {"CUSTOM_FILTER",
       [](Pen& p) {
         p.Ring(8.5, 9.5, 5);
         p.Ring(14.5, 9.5, 5);
         p.Ring(11.5, 15, 5);
         p.Line(15, 21, 21.5, 14.5);
         p.Dot(21.5, 14.5, 1.2);
       }},
      {"SLIDESHOW",
       [](Pen& p) {
         p.Box(2.5, 4.5, 21.5, 19.5);
         p.Triangle({9.5, 8.5}, {9.5, 15.5}, {15.5, 12});
       }},
      {"SELECT", Check},
      {"AUTOFIT",
       [](Pen& p) {
         Brackets(p);
         Star(p, 12, 12.4, 5.5, 2.4);
       }},
      {"CUSTADD",
       [](Pen& p) {
         p.Ring(12, 12, 9);
         p.Line(12, 7.5, 12, 16.5);
         p.Line(7.5, 12, 16.5, 12);
       }},
      {"CUSTREMOVE",
       [](Pen& p) {
         p.Ring(12, 12, 9);
         p.Line(7.5, 12, 16.5, 12);
       }},
      // The gallery bars.
      {"GALLERY_ADD",
       [](Pen& p) {  // a framed picture with a plus
         p.Box(2.5, 7, 16.5, 20.5);
         p.Poly({{4.5, 18.5}, {8, 13.5}, {10.5, 16}, {12.5, 14}, {14.5, 18.5}});
         p.Line(19.5, 2.5, 19.5, 10.5);
         p.Line(15.5, 6.5, 23.5, 6.5);
       }},
      {"GALLERY_RESTORE",
       [](Pen& p) {  // back onto the photo
         p.Poly({{3.5, 13}, {3.5, 20.5}, {20.5, 20.5}, {20.5, 13}});
         p.Line(12, 2.5, 12, 15);
         p.Head(12, 15, 0, 1);
       }},
      {"GALLERY_VIEW",
       [](Pen& p) {  // an eye
         p.Arc(12, 20, 11, 225, 315);
         p.Arc(12, 4, 11, 45, 135);
         p.Ring(12, 12, 2.6);
       }},
      {"GALLERY_SAVE",
       [](Pen& p) {  // a disk
         p.Box(4, 3.5, 20, 20.5);
         p.Box(8, 3.5, 16, 9, 0.5);
         p.Box(7, 13.5, 17, 20.5, 0.5);
       }},
      {"GALLERY_DELETE", Bin},
      {"GALLERY_DELALL",
       [](Pen& p) {  // the bin with a cross
         Bin(p);
         p.Line(1.5, 14, 7.5, 20, 0.8);
         p.Line(7.5, 14, 1.5, 20, 0.8);
       }},
      {"GALLERY_PRINT", Printer},
      {"GALLERY_PREV", [](Pen& p) { p.Poly({{15, 5}, {8, 12}, {15, 19}}); }},
      {"GALLERY_NEXT", [](Pen& p) { p.Poly({{9, 5}, {16, 12}, {9, 19}}); }},
      // Print preview and its dialogs.
      {"PREVIEW_SETUP", Gear},
      {"PREVIEW_SELECTSIGN",
       [](Pen& p) {
         p.Poly({{2.5, 19}, {5, 15}, {7.5, 19}, {10, 15}, {12.5, 19}});
         p.Line(13.5, 13.5, 20.5, 6.5, 1.2);
         p.Line(3, 21.5, 21, 21.5, 0.6);
       }},
      {"PREVIEW_RESORT",
       [](Pen& p) {
         p.Line(8, 4, 8, 20);
         p.Head(8, 4, 0, -1);
         p.Line(16, 4, 16, 20);
         p.Head(16, 20, 0, 1);
       }},
      {"PREVIEW_PDF",
       [](Pen& p) {  // a page with its corner folded
         p.Poly({{5, 2.5}, {14, 2.5}, {19, 7.5}, {19, 21.5}, {5, 21.5}}, true);
         p.Poly({{14, 2.5}, {14, 7.5}, {19, 7.5}});
         p.Line(8.5, 12, 15.5, 12, 0.8);
         p.Line(8.5, 15, 15.5, 15, 0.8);
         p.Line(8.5, 18, 12.5, 18, 0.8);
       }},
      {"PREVIEW_OK", Check},
      {"PREVIEW_CANCEL", Cross},
      // A source's window: take the photo, scan, close.
      {"SOURCE_PHOTO",
       [](Pen& p) {  // a camera with its lens and flash
         p.Box(2.5, 7.5, 21.5, 19.5);
         p.Arc(12, 13.5, 3.8, 0, 360);
         p.Box(15.5, 4.5, 19.5, 7.5, 0.5);
       }},
      {"SOURCE_SCAN",
       [](Pen& p) {  // a flat-bed scanner, its lid raised, its light bar
         p.Box(2.5, 13.5, 21.5, 20.5);
         p.Line(2.5, 13.5, 19.5, 4.5);
         p.Line(5.5, 17, 18.5, 17, 1.4);
       }},
      {"SOURCE_CLOSE", Cross},
      {"FONTBOLD",
       [](Pen& p) {
         p.Line(7.5, 4, 7.5, 20, 1.3);
         p.Line(7.5, 4, 12.5, 4, 1.3);
         p.Arc(12.5, 8, 4, 270, 450);
         p.Line(7.5, 12, 13.5, 12, 1.3);
         p.Arc(13.5, 16, 4, 270, 450);
         p.Line(7.5, 20, 13.5, 20, 1.3);
       }},
      {"FONTITALIC",
       [](Pen& p) {
         p.Line(14, 4, 10, 20);
         p.Line(11, 4, 17, 4);
         p.Line(7, 20, 13, 20);
       }},
      {"FONTUNDERLINE",
       [](Pen& p) {
         p.Line(7, 3.5, 7, 13);
         p.Arc(12, 13, 5, 0, 180);
         p.Line(17, 3.5, 17, 13);
         p.Line(5, 21, 19, 21);
       }},
  };
  return drawings;
}

}  // namespace

Glyph IconGlyph(const std::string& base) {
  const auto found = Drawings().find(base);
  if (found == Drawings().end()) return {};
  const Drawing drawing = found->second;
  return [drawing](Canvas& canvas, double left, double top, double size, Rgb ink) {
    Pen pen(canvas, left, top, size, ink);
    drawing(pen);
  };
}

std::vector<std::string> IconNames() {
  std::vector<std::string> names;
  for (const auto& [name, drawing] : Drawings()) names.push_back(name);
  return names;
}
