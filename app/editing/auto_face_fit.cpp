#include "app/editing/auto_face_fit.h"

#include <algorithm>
#include <cmath>

#include "platform/core/resource_module.h"

namespace {

constexpr unsigned kFitFaceStepNameId = 61850;   // "Fit Face"
constexpr unsigned kNoFaceId = 61851;            // "No face found in the photo."
constexpr unsigned kSeveralFacesId = 61852;      // "Several faces ...; the largest was fitted (%s face)."
constexpr unsigned kFaceFittedId = 61853;        // "Face fitted (%s face)."

// The photo pixel (continuous, pixel centres at +0.5) as a document point:
// the photo frame's image mapping without its truncation, so landmarks keep
// their fraction until they are placed.
CDoublePoint DocumentPointOf(const CQuadTracker& frame, CDoublePoint image, CSize imageSize) {
  const CSize size = frame.GetSize();
  const double scaleX = static_cast<double>(imageSize.cx) / size.cx;
  const double scaleY = static_cast<double>(imageSize.cy) / size.cy;
  const CRect box = frame.GetBoundingRect();
  const double a = image.x - imageSize.cx / 2.0;
  const double b = image.y - imageSize.cy / 2.0;
  const double c = frame.GetCosine(), s = frame.GetSine();
  return {(a * c - b * s * (scaleX / scaleY)) / scaleX + (static_cast<double>(box.right) - box.left) / 2 + box.left,
          (b * c + a * s * (scaleY / scaleX)) / scaleY + (static_cast<double>(box.bottom) - box.top) / 2 + box.top};
}

std::string WithText(std::string format, const std::string& text) {
  const std::size_t at = format.find("%s");
  if (at != std::string::npos) format.replace(at, 2, text);
  return format;
}

}  // namespace

// A badge, a print on a shirt or a patterned collar can pass the detector
// just over its threshold and be larger than the face itself; real faces in
// one photo score alike. So only detections scoring at least
// kLikelyFaceShare of the strongest count as faces.
std::vector<FaceLandmarks> LikelyFaces(std::vector<FaceLandmarks> faces) {
  if (faces.empty()) return faces;
  double strongest = faces.front().confidence;
  for (const FaceLandmarks& face : faces) strongest = std::max(strongest, face.confidence);
  if (strongest <= 0) return faces;  // no scores to compare (a finder that gives none)
  const double cutoff = strongest * kLikelyFaceShare;
  std::erase_if(faces, [cutoff](const FaceLandmarks& face) { return face.confidence < cutoff; });
  return faces;
}

// Box averages of factor x factor photo pixels; the last row and column of
// boxes take what is left of the picture.
CGreyPicture MakeFitPicture(const CDib& photo, int* factor) {
  CGreyPicture picture;
  const int width = photo.Width(), height = photo.Height();
  const int longer = std::max(width, height);
  const int k = std::max(1, (longer + kFitPictureSide - 1) / kFitPictureSide);
  if (factor) *factor = k;
  const unsigned char* bits = const_cast<CDib&>(photo).LockBits();
  if (!bits || width <= 0 || height <= 0) {
    if (bits) const_cast<CDib&>(photo).UnlockBits();
    return picture;
  }
  picture.width = (width + k - 1) / k;
  picture.height = (height + k - 1) / k;
  picture.pixels.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);
  std::vector<unsigned> sums(picture.width), counts(picture.width);
  const std::size_t rowLength = photo.RowLength();
  for (int gy = 0; gy < picture.height; ++gy) {
    std::fill(sums.begin(), sums.end(), 0u);
    std::fill(counts.begin(), counts.end(), 0u);
    for (int y = gy * k; y < std::min(height, (gy + 1) * k); ++y) {
      const unsigned char* row = bits + static_cast<std::size_t>(height - 1 - y) * rowLength;  // bottom-up
      for (int x = 0; x < width; ++x, row += 3) {
        // Rec. 601 luma in integers: 29 blue, 150 green, 77 red over 256.
        sums[x / k] += (29u * row[0] + 150u * row[1] + 77u * row[2]) >> 8;
        ++counts[x / k];
      }
    }
    std::uint8_t* out = &picture.pixels[static_cast<std::size_t>(gy) * picture.width];
    for (int gx = 0; gx < picture.width; ++gx) out[gx] = static_cast<std::uint8_t>(sums[gx] / counts[gx]);
  }
  const_cast<CDib&>(photo).UnlockBits();
  return picture;
}

FaceFitResult FindFaceFit(const CProjection& projection, CFaceFinder& finder) {
  FaceFitResult result;
  const CLayer* photo = projection.GetPhoto();
  const CDibAlpha* image = photo ? photo->GetImage() : nullptr;
  if (!image || image->IsEmpty()) return result;
  int factor = 1;
  const CGreyPicture picture = MakeFitPicture(*image, &factor);
  const std::vector<FaceLandmarks> faces = LikelyFaces(finder.FindFaces(picture));
  result.faceCount = static_cast<int>(faces.size());
  if (faces.empty()) {
    result.status = FaceFitStatus::noFace;
    return result;
  }
  const FaceLandmarks* largest = &faces.front();
  for (const FaceLandmarks& face : faces) {
    const long long area = static_cast<long long>(face.box.Width()) * face.box.Height();
    if (area > static_cast<long long>(largest->box.Width()) * largest->box.Height()) largest = &face;
  }
  std::array<CDoublePoint, kFaceLandmarkCount> points;
  for (int k = 0; k < kFaceLandmarkCount; ++k) {
    const CDoublePoint p = largest->points[k];
    points[k] = DocumentPointOf(*photo, {(p.x + 0.5) * factor, (p.y + 0.5) * factor}, image->GetSize());
  }
  result.fit = FitFromLandmarks(points);
  result.status = faces.size() > 1 ? FaceFitStatus::fittedLargestOfSeveral : FaceFitStatus::fitted;
  return result;
}

FaceFitResult FitFaceAutomatically(CKelvoraDoc& document, int index, CFaceFinder& finder) {
  const int projectionIndex = index < 0 ? document.GetProjectionIndex(-1) : index;
  CProjection* projection = document.GetProjection(projectionIndex);
  FaceFitResult result;
  if (!projection || projectionIndex >= kBodyProjection) return result;
  document.Host().BeginWaitCursor();
  result = FindFaceFit(*projection, finder);
  document.Host().EndWaitCursor();
  if (result.status == FaceFitStatus::fitted || result.status == FaceFitStatus::fittedLargestOfSeveral) {
    const std::string name = LoadResourceString(kFitFaceStepNameId);
    CQuadTracker& frame = projection->FaceFrame();
    frame.PushGeometryUndo(name);
    projection->EyesLine().PushUndo(name);
    projection->LipsLine().PushUndo(name);
    const FaceFit& fit = result.fit;
    frame.SetRect(fit.frame.left, fit.frame.top, fit.frame.right, fit.frame.bottom);
    frame.SetRotation(fit.sine, fit.cosine);
    projection->EyesLine().SetPoints(fit.eye0.x, fit.eye0.y, fit.eye1.x, fit.eye1.y);
    projection->LipsLine().SetPoints(fit.lips0.x, fit.lips0.y, fit.lips1.x, fit.lips1.y);
    document.SetFittedFaceShape(projectionIndex, fit.shape);
    if (projection == document.GetProjection(-1)) document.Host().RefreshViews();
  }
  const std::string text = FaceFitStatusText(result);
  if (!text.empty()) document.Host().ShowStatusText(text);
  return result;
}

std::string FaceFitStatusText(const FaceFitResult& result) {
  switch (result.status) {
    case FaceFitStatus::noPhoto: return {};
    case FaceFitStatus::noFace: return LoadResourceString(kNoFaceId);
    case FaceFitStatus::fitted: return WithText(LoadResourceString(kFaceFittedId), FaceShapeName(result.fit.shape));
    case FaceFitStatus::fittedLargestOfSeveral:
      return WithText(LoadResourceString(kSeveralFacesId), FaceShapeName(result.fit.shape));
  }
  return {};
}
