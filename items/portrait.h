// The sample portrait ("IDB_PHOTO_W1", 512 x 512) as the items are drawn
// for it: the default placements of the front face projection, which the
// document fits items to, and the landmarks measured on the photo that the
// drawings follow. All in photo pixels.
#pragma once

namespace portrait {

inline constexpr int kSize = 512;

// Default placements (the style's "IDR_FACE_FRONT_*").
inline constexpr int kFaceLeft = 178, kFaceTop = 62, kFaceRight = 284, kFaceBottom = 184;
inline constexpr int kEyesLeft = 188, kEyesRight = 262, kEyesY = 101;
inline constexpr int kLipsLeft = 200, kLipsRight = 250, kLipsY = 142;
inline constexpr int kUnderarmLeft = 110, kUnderarmRight = 350, kUnderarmY = 300;

// Landmarks.
inline constexpr float kMidX = 225;  // the face's vertical axis
inline constexpr float kPupilLeftX = 202, kPupilRightX = 248, kPupilY = 100.5f;
inline constexpr float kBrowY = 88;
inline constexpr float kNoseTipY = 123;
inline constexpr float kMouthLeftX = 205, kMouthRightX = 245, kMouthY = 142;
inline constexpr float kChinY = 187;
inline constexpr float kHairlineY = 68;  // middle of the forehead's top
inline constexpr float kCrownY = 20;     // top of the head with hair
// The face oval that hairstyles leave open.
inline constexpr float kFaceCentreY = 128, kFaceRadiusX = 44, kFaceRadiusY = 61;
// The skull under the hair.
inline constexpr float kSkullCentreY = 92, kSkullRadiusX = 60, kSkullRadiusY = 70;
inline constexpr float kEarLeftX = 177, kEarRightX = 274, kEarY = 128, kEarLobeY = 146;
inline constexpr float kNeckLeftX = 203, kNeckRightX = 247, kNeckY = 200;
inline constexpr float kShoulderY = 262;

}  // namespace portrait
