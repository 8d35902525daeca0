// Automatic face fitting: the face in a projection's photo found, and the
// face frame, eyes line and lips line set to it as one step of the same name
// on each of the three, so one Undo in the face-rectangle tool restores the
// positions they had.
//
// Detection runs on a grey copy of the photo's own pixels, box-averaged
// down to at most kFitPictureSide pixels on its longer side (detection time
// grows with the area and portraits need no more); the landmarks are mapped
// back through the photo layer's frame and rotation, so a moved, scaled or
// turned photo still fits where it is shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/document/kelvora_doc.h"
#include "app/editing/face_geometry.h"

inline constexpr int kFitPictureSide = 800;
inline constexpr double kLikelyFaceShare = 0.5;

enum class FaceFitStatus { fitted, fittedLargestOfSeveral, noFace, noPhoto };

struct FaceFitResult {
  FaceFitStatus status = FaceFitStatus::noPhoto;
  FaceFit fit;  // in document coordinates, when fitted
  int faceCount = 0;
};

// The photo layer's pixels as the grey picture detection runs on, and the
// factor its pixels were averaged by.
CGreyPicture MakeFitPicture(const CDib& photo, int* factor);

// The detections that count as faces: those scoring at least
// kLikelyFaceShare of the strongest one's confidence.
std::vector<FaceLandmarks> LikelyFaces(std::vector<FaceLandmarks> faces);

// What fitting finds in the projection's photo; nothing is changed.
FaceFitResult FindFaceFit(const CProjection& projection, CFaceFinder& finder);

// Finds the face and, when one is found, sets the frame and lines of face
// projection `index` (0 to 3; -1 the current one) as one step of each. The
// outcome goes to the host's status text. Nothing changes without a face.
FaceFitResult FitFaceAutomatically(CKelvoraDoc& document, int index, CFaceFinder& finder);

// The status text for a result ("" for a projection without a photo).
std::string FaceFitStatusText(const FaceFitResult& result);
