// Face detection and landmarks with dlib: the HOG frontal face detector and
// the 68-point shape predictor of Debian's libdlib-data. The predictor's
// model is about 100 MB, so it is read once, lazily, and kept; a missing or
// damaged model file makes the finder find nothing rather than fail.
#include <dlib/image_processing.h>
#include <dlib/image_processing/frontal_face_detector.h>
#include <dlib/revision.h>
#include <dlib/serialize.h>

#include <fstream>

#include "app/editing/face_landmarks.h"

struct CDlibFaceFinder::Model {
  dlib::frontal_face_detector detector = dlib::get_frontal_face_detector();
  dlib::shape_predictor predictor;
};

CDlibFaceFinder::CDlibFaceFinder(std::string modelPath) : m_modelPath(std::move(modelPath)) {}
CDlibFaceFinder::~CDlibFaceFinder() = default;

std::string CDlibFaceFinder::DefaultModelPath() { return "/usr/share/dlib/shape_predictor_68_face_landmarks.dat"; }

bool CDlibFaceFinder::LoadModel() {
  if (m_tried) return m_model != nullptr;
  m_tried = true;
  std::ifstream file(m_modelPath, std::ios::binary);
  if (!file) return false;
  auto model = std::make_unique<Model>();
  try {
    dlib::deserialize(model->predictor, file);
  } catch (const std::exception&) {
    return false;
  }
  m_model = std::move(model);
  return true;
}

std::vector<FaceLandmarks> CDlibFaceFinder::FindFaces(const CGreyPicture& picture) {
  std::vector<FaceLandmarks> faces;
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height || !LoadModel())
    return faces;
  dlib::array2d<unsigned char> image(picture.height, picture.width);
  for (int y = 0; y < picture.height; ++y)
    std::copy_n(&picture.pixels[static_cast<std::size_t>(y) * picture.width], picture.width, &image[y][0]);
  std::vector<dlib::rect_detection> detections;
  m_model->detector(image, detections);
  for (const dlib::rect_detection& detection : detections) {
    const dlib::rectangle& box = detection.rect;
    const dlib::full_object_detection shape = m_model->predictor(image, box);
    if (shape.num_parts() != kFaceLandmarkCount) continue;
    FaceLandmarks face;
    face.confidence = detection.detection_confidence;
    face.box = CRect(static_cast<int>(box.left()), static_cast<int>(box.top()), static_cast<int>(box.right()) + 1,
                     static_cast<int>(box.bottom()) + 1);
    for (int k = 0; k < kFaceLandmarkCount; ++k)
      face.points[k] = {static_cast<double>(shape.part(k).x()), static_cast<double>(shape.part(k).y())};
    faces.push_back(face);
  }
  return faces;
}

CFaceFinder& SharedFaceFinder() {
  static CDlibFaceFinder finder;
  return finder;
}

std::string FaceLibraryVersion() {
  return std::to_string(DLIB_MAJOR_VERSION) + "." + std::to_string(DLIB_MINOR_VERSION) + "." +
         std::to_string(DLIB_PATCH_VERSION);
}
