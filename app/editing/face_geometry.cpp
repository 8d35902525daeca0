// The face frame from landmarks. Everything is measured in the face's own
// axes: u along the line through the eye centres (the subject's right eye to
// the left one), v across it, downwards on an upright face. Then
//   - the sides are the jaw line's extremes in u (the face's widest points,
//     at the ears);
//   - the bottom is the chin (the lowest jaw point in v);
//   - the top is the hairline, which landmarks do not show. Faces divide
//     roughly into three equal heights, hairline to brows, brows to the
//     nose's base, nose's base to chin, so the hairline lies half the
//     brows-to-chin height above the brows' top.
// The frame is that rectangle turned by the eye line's angle about its
// centre, which is how the face frame is stored.
#include "app/editing/face_geometry.h"

#include <algorithm>
#include <cmath>

#include "platform/core/rounding.h"

namespace {

constexpr int kJawFirst = 0, kJawLast = 16, kChin = 8;
constexpr int kBrowsFirst = 17, kBrowsLast = 26;
constexpr int kRightEyeFirst = 36, kLeftEyeFirst = 42, kEyePoints = 6;
constexpr int kMouthRight = 48, kMouthLeft = 54;

CDoublePoint Mean(const std::array<CDoublePoint, kFaceLandmarkCount>& points, int first, int count) {
  CDoublePoint sum;
  for (int k = first; k < first + count; ++k) sum = sum + points[k];
  return {sum.x / count, sum.y / count};
}

// A landmark lies inside its document pixel; the pixel names it.
CPoint PixelOf(CDoublePoint p) { return {static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y))}; }

struct FaceAxes {
  double cosine, sine;
  double U(CDoublePoint p) const { return p.x * cosine + p.y * sine; }
  double V(CDoublePoint p) const { return p.y * cosine - p.x * sine; }
};

double WidthBetween(const std::array<CDoublePoint, kFaceLandmarkCount>& points, const FaceAxes& axes, int a, int b) {
  return std::abs(axes.U(points[b]) - axes.U(points[a]));
}

}  // namespace

FaceFit FitFromLandmarks(const std::array<CDoublePoint, kFaceLandmarkCount>& points) {
  FaceFit fit;
  const CDoublePoint rightEye = Mean(points, kRightEyeFirst, kEyePoints);
  const CDoublePoint leftEye = Mean(points, kLeftEyeFirst, kEyePoints);
  const CDoublePoint across = leftEye - rightEye;
  const double length = std::hypot(across.x, across.y);
  if (length > 0) {
    fit.cosine = across.x / length;
    fit.sine = across.y / length;
  }
  const FaceAxes axes{fit.cosine, fit.sine};

  double left = axes.U(points[kJawFirst]), right = left;
  double chin = axes.V(points[kChin]);
  for (int k = kJawFirst; k <= kJawLast; ++k) {
    left = std::min(left, axes.U(points[k]));
    right = std::max(right, axes.U(points[k]));
    chin = std::max(chin, axes.V(points[k]));
  }
  double brows = axes.V(points[kBrowsFirst]);
  for (int k = kBrowsFirst; k <= kBrowsLast; ++k) brows = std::min(brows, axes.V(points[k]));
  const double top = brows - (chin - brows) / 2;

  // The rectangle's centre back in document axes; the frame is kept about it.
  const double cu = (left + right) / 2, cv = (top + chin) / 2;
  const CDoublePoint centre{cu * fit.cosine - cv * fit.sine, cu * fit.sine + cv * fit.cosine};
  const double halfWidth = (right - left) / 2, halfHeight = (chin - top) / 2;
  fit.frame = {centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth, centre.y + halfHeight};

  fit.eye0 = PixelOf(rightEye);
  fit.eye1 = PixelOf(leftEye);
  fit.lips0 = PixelOf(points[kMouthRight]);
  fit.lips1 = PixelOf(points[kMouthLeft]);
  fit.shape = ClassifyFaceShape(points, chin - top, fit.cosine, fit.sine);
  return fit;
}

// The rule, on the jaw line in the face's axes, with W its widest span
// (points 0 to 16, at the ears) and L the hairline-to-chin length:
//   - Oblong: L / W of 1.55 or more, a face clearly longer than wide;
//   - Triangle: the span near the chin (points 6 to 10) under 0.40 W, a jaw
//     that tapers to a narrow, pointed chin;
//   - Square: the span at the jaw's corners (points 4 to 12) of 0.84 W or
//     more, a wide, straight jaw;
//   - Round: L / W under 1.35, a short face with a soft jaw;
//   - Oval: the rest, the balanced face.
// The thresholds sit around the proportions of average adult faces
// (L / W about 1.4, jaw corners about 0.8 W, chin span about 0.45 W).
FaceShape ClassifyFaceShape(const std::array<CDoublePoint, kFaceLandmarkCount>& points, double length,
                            double cosine, double sine) {
  const FaceAxes axes{cosine, sine};
  double left = axes.U(points[kJawFirst]), right = left;
  for (int k = kJawFirst; k <= kJawLast; ++k) {
    left = std::min(left, axes.U(points[k]));
    right = std::max(right, axes.U(points[k]));
  }
  const double width = right - left;
  if (width <= 0 || length <= 0) return kFaceShapeNone;
  const double lengthRatio = length / width;
  const double chinSpan = WidthBetween(points, axes, 6, 10) / width;
  const double jawSpan = WidthBetween(points, axes, 4, 12) / width;
  if (lengthRatio >= 1.55) return kFaceShapeOblong;
  if (chinSpan < 0.40) return kFaceShapeTriangle;
  if (jawSpan >= 0.84) return kFaceShapeSquare;
  if (lengthRatio < 1.35) return kFaceShapeRound;
  return kFaceShapeOval;
}

std::string FaceShapeName(FaceShape shape) {
  switch (shape) {
    case kFaceShapeTriangle: return "Triangle";
    case kFaceShapeSquare: return "Square";
    case kFaceShapeRound: return "Round";
    case kFaceShapeOval: return "Oval";
    case kFaceShapeOblong: return "Oblong";
    default: return {};
  }
}
