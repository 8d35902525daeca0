// What automatic face fitting asks of a face finder: the faces of a grey
// picture with the 68 landmarks of the common annotation scheme (jaw 0-16
// from the subject's right ear, brows 17-26, nose 27-35, eyes 36-47, mouth
// 48-67; "right" is the subject's, on the picture's left).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/double_geometry.h"
#include "platform/core/geometry.h"

inline constexpr int kFaceLandmarkCount = 68;

// An 8-bit grey picture, rows top-down.
struct CGreyPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};

struct FaceLandmarks {
  CRect box;  // the detection, in picture pixels
  // The detector's score: how far past its decision threshold the box is
  // (0 at the threshold; true faces usually score well above 0.5).
  double confidence = 0;
  std::array<CDoublePoint, kFaceLandmarkCount> points{};
};

class CFaceFinder {
 public:
  virtual ~CFaceFinder() = default;
  // Every face found, in no particular order; empty when there is none or
  // the finder cannot work (its model missing).
  virtual std::vector<FaceLandmarks> FindFaces(const CGreyPicture& picture) = 0;
};

// dlib's frontal face detector and 68-point shape predictor. The model is
// read once, the first time a face is looked for, from `modelPath`.
class CDlibFaceFinder : public CFaceFinder {
 public:
  explicit CDlibFaceFinder(std::string modelPath = DefaultModelPath());
  ~CDlibFaceFinder() override;
  std::vector<FaceLandmarks> FindFaces(const CGreyPicture& picture) override;
  // Whether the model could be read (reads it when not tried yet).
  bool LoadModel();
  // Where Debian's libdlib-data puts the model.
  static std::string DefaultModelPath();

 private:
  struct Model;
  std::string m_modelPath;
  std::unique_ptr<Model> m_model;
  bool m_tried = false;
};

// The finder the program shares: one model in memory for the process.
CFaceFinder& SharedFaceFinder();
// The face-detection library's version, "major.minor.patch".
std::string FaceLibraryVersion();
