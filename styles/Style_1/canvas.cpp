// Shapes are drawn by their signed distance: a pixel whose centre lies half a
// pixel inside the edge is fully covered, half a pixel outside not at all,
// which gives one pixel of smoothing without supersampling. Public calls
// take units; each turns them into pixels first, so the smoothing stays one
// pixel wide at every scale.
#include "styles/Style_1/canvas.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>


namespace {

int Clamp(int v) { return std::clamp(v, 0, 255); }

double Coverage(double distance) { return std::clamp(0.5 - distance, 0.0, 1.0); }

double RoundRectDistance(double x, double y, double left, double top, double right, double bottom, double radius) {
  double cx = (left + right) / 2, cy = (top + bottom) / 2;
  double hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
  double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
  double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

std::vector<unsigned char> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

// The image library writes to files; the bytes travel through a private
// temporary file.
template <typename Save>
std::vector<unsigned char> ThroughFile(const char* suffix, Save save) {
  std::string path =
      (std::filesystem::temp_directory_path() / ("kelvora-style-" + std::to_string(::getpid()) + suffix)).string();
  std::vector<unsigned char> bytes;
  if (save(path)) bytes = ReadAll(path);
  std::remove(path.c_str());
  return bytes;
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return {Clamp(static_cast<int>(std::lround(a.r + (b.r - a.r) * t))),
          Clamp(static_cast<int>(std::lround(a.g + (b.g - a.g) * t))),
          Clamp(static_cast<int>(std::lround(a.b + (b.b - a.b) * t)))};
}

Rgb Scale(Rgb c, double factor) {
  return {Clamp(static_cast<int>(c.r * factor)), Clamp(static_cast<int>(c.g * factor)),
          Clamp(static_cast<int>(c.b * factor))};
}

Canvas::Canvas(int width, int height, Rgb fill, int scale)
    : m_width(width), m_height(height), m_scale(scale),
      m_pixels(static_cast<std::size_t>(width * scale * height * scale), fill) {}

void Canvas::Blend(int x, int y, Rgb colour, double coverage) {
  if (x < 0 || y < 0 || x >= PixelWidth() || y >= PixelHeight() || coverage <= 0) return;
  Rgb& pixel = m_pixels[static_cast<std::size_t>(y * PixelWidth() + x)];
  pixel = Mix(pixel, colour, std::min(coverage, 1.0));
  // Shapes are never see-through: keep them off pure black.
  if (pixel.r == 0 && pixel.g == 0 && pixel.b == 0) pixel.b = 1;
}

void Canvas::VerticalGradient(Rgb top, Rgb bottom) {
  const int height = PixelHeight(), width = PixelWidth();
  for (int y = 0; y < height; ++y) {
    Rgb row = Mix(top, bottom, height > 1 ? y / double(height - 1) : 0);
    for (int x = 0; x < width; ++x) m_pixels[static_cast<std::size_t>(y * width + x)] = row;
  }
}

void Canvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  const int s = m_scale, width = PixelWidth();
  for (int y = std::max(top * s, 0); y < std::min(bottom * s, PixelHeight()); ++y)
    for (int x = std::max(left * s, 0); x < std::min(right * s, width); ++x)
      m_pixels[static_cast<std::size_t>(y * width + x)] = colour;
}

template <typename Distance>
void Canvas::Shape(double left, double top, double right, double bottom, Distance distance, Rgb colour) {
  int x0 = std::max(0, static_cast<int>(std::floor(left)) - 1), x1 = std::min(PixelWidth(), static_cast<int>(right) + 2);
  int y0 = std::max(0, static_cast<int>(std::floor(top)) - 1), y1 = std::min(PixelHeight(), static_cast<int>(bottom) + 2);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) Blend(x, y, colour, Coverage(distance(x + 0.5, y + 0.5)));
}

void Canvas::RoundRect(double left, double top, double right, double bottom, double radius, Rgb topColour,
                       Rgb bottomColour) {
  const double s = m_scale;
  left *= s, top *= s, right *= s, bottom *= s, radius *= s;
  int y0 = std::max(0, static_cast<int>(top) - 1), y1 = std::min(PixelHeight(), static_cast<int>(bottom) + 2);
  for (int y = y0; y < y1; ++y) {
    Rgb colour = Mix(topColour, bottomColour, std::clamp((y + 0.5 - top) / (bottom - top), 0.0, 1.0));
    for (int x = std::max(0, static_cast<int>(left) - 1); x < std::min(PixelWidth(), static_cast<int>(right) + 2); ++x)
      Blend(x, y, colour, Coverage(RoundRectDistance(x + 0.5, y + 0.5, left, top, right, bottom, radius)));
  }
}

void Canvas::RoundRectOutline(double left, double top, double right, double bottom, double radius, double width,
                              Rgb colour) {
  const double s = m_scale;
  left *= s, top *= s, right *= s, bottom *= s, radius *= s, width *= s;
  Shape(
      left, top, right, bottom,
      [&](double x, double y) {
        return std::abs(RoundRectDistance(x, y, left, top, right, bottom, radius) + width / 2) - width / 2;
      },
      colour);
}

void Canvas::Disc(double cx, double cy, double radius, Rgb colour) {
  const double s = m_scale;
  cx *= s, cy *= s, radius *= s;
  Shape(
      cx - radius, cy - radius, cx + radius, cy + radius,
      [&](double x, double y) { return std::hypot(x - cx, y - cy) - radius; }, colour);
}

void Canvas::Line(double x0, double y0, double x1, double y1, double width, Rgb colour) {
  const double s = m_scale;
  x0 *= s, y0 *= s, x1 *= s, y1 *= s, width *= s;
  double dx = x1 - x0, dy = y1 - y0, length2 = std::max(dx * dx + dy * dy, 1e-9);
  Shape(
      std::min(x0, x1) - width, std::min(y0, y1) - width, std::max(x0, x1) + width, std::max(y0, y1) + width,
      [&](double x, double y) {
        double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / length2, 0.0, 1.0);
        return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - width / 2;
      },
      colour);
}

void Canvas::Ring(double cx, double cy, double radius, double width, Rgb colour) {
  const double s = m_scale;
  cx *= s, cy *= s, radius *= s, width *= s;
  const double reach = radius + width;
  Shape(
      cx - reach, cy - reach, cx + reach, cy + reach,
      [&](double x, double y) { return std::fabs(std::hypot(x - cx, y - cy) - radius) - width / 2; }, colour);
}

void Canvas::Arc(double cx, double cy, double radius, double from, double to, double width, Rgb colour) {
  const double s = m_scale;
  cx *= s, cy *= s, radius *= s, width *= s;
  const double reach = radius + width;
  const double kTurn = 2 * 3.14159265358979323846;
  Shape(
      cx - reach, cy - reach, cx + reach, cy + reach,
      [&](double x, double y) {
        double angle = std::atan2(y - cy, x - cx);
        while (angle < from) angle += kTurn;
        while (angle > from + kTurn) angle -= kTurn;
        if (angle <= to) return std::fabs(std::hypot(x - cx, y - cy) - radius) - width / 2;
        // Outside the sweep: the distance to the nearer round end.
        const double ends[] = {from, to};
        double best = 1e9;
        for (double end : ends)
          best = std::min(best, std::hypot(x - (cx + radius * std::cos(end)), y - (cy + radius * std::sin(end))));
        return best - width / 2;
      },
      colour);
}

void Canvas::Text(const std::string& text, int x, int baseline, double size, Rgb colour, Weight weight) {
  RenderText(text, size * m_scale, weight, x * m_scale, baseline * m_scale, [&](int px, int py, double coverage) { Blend(px, py, colour, coverage); });
}

void Canvas::CentredText(const std::string& text, double centreX, double centreY, double size, Rgb colour,
                         Weight weight) {
  TextMetrics metrics = MeasureText(text, size, weight);
  Text(text, static_cast<int>(std::lround(centreX - metrics.width / 2.0)),
       static_cast<int>(std::lround(centreY + metrics.capHeight / 2.0)), size, colour, weight);
}

void Canvas::ToDib(CDib& dib) const {
  const int width = PixelWidth(), height = PixelHeight();
  dib.Create(CSize(width, height));
  unsigned char* bits = dib.LockBits();
  if (!bits) return;
  for (int y = 0; y < height; ++y) {
    unsigned char* row = bits + static_cast<std::size_t>(height - 1 - y) * dib.RowLength();
    for (int x = 0; x < width; ++x) {
      Rgb c = At(x, y);
      row[3 * x] = static_cast<unsigned char>(c.b);
      row[3 * x + 1] = static_cast<unsigned char>(c.g);
      row[3 * x + 2] = static_cast<unsigned char>(c.r);
    }
  }
  dib.UnlockBits();
}

std::vector<unsigned char> Canvas::ToBmpFile() const {
  CDib dib;
  ToDib(dib);
  return ThroughFile(".bmp", [&](const std::string& path) { return dib.SaveToBMPFile(path); });
}

std::vector<unsigned char> Canvas::ToJpegFile(int quality) const {
  CDib dib;
  ToDib(dib);
  return ThroughFile(".jpg",
                     [&](const std::string& path) { return dib.SaveToJPGFile(path, false, true, quality, true); });
}
