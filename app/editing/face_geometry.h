// From 68 face landmarks (document coordinates) to what the items are fitted
// to: the face frame, turned by the eye line's angle, the eyes line and the
// lips line; and the face's shape from its jaw line.
#pragma once

#include <array>
#include <string>

#include "app/bases/item_record.h"
#include "app/editing/face_landmarks.h"

struct FaceFit {
  CDoubleRect frame;  // unturned, about its centre
  double cosine = 1.0, sine = 0.0;
  CPoint eye0, eye1;    // the subject's right eye first (the picture's left)
  CPoint lips0, lips1;  // the mouth corners, in the same order
  FaceShape shape = kFaceShapeNone;
};

FaceFit FitFromLandmarks(const std::array<CDoublePoint, kFaceLandmarkCount>& points);

// The jaw line's proportions as a shape; see the rule in the source.
// `length` is the face's length from hairline to chin in the same units.
FaceShape ClassifyFaceShape(const std::array<CDoublePoint, kFaceLandmarkCount>& points, double length,
                            double cosine, double sine);

// "Triangle", "Square", "Round", "Oval", "Oblong", or "" for none: the
// names the select-by-type items carry.
std::string FaceShapeName(FaceShape shape);
