#include "app/shell/camera/frame_camera.h"

#include "platform/core/message_box.h"
#include "platform/core/twain_manager_library.h"

namespace {

constexpr char kMsgNoManager[] = "Camera and scanner support is not installed.";
constexpr char kMsgNoDevice[] = "No camera or scanner was found.";
constexpr char kMsgCantOpen[] = "The camera could not be opened.";
constexpr char kMsgCantStart[] = "The camera could not be started.";
constexpr char kMsgCantSetUp[] = "The camera could not be set up.";
constexpr char kMsgCantTransfer[] = "The picture could not be taken from the camera.";
constexpr char kMsgNotAPhoto[] = "The camera delivered no usable picture.";

}  // namespace

CFrameCamera::CFrameCamera(std::string managerPath, CKelvoraDoc& document)
    : CTwainCamera(std::move(managerPath)), m_document(document) {}

// The link comes down while this class's hooks still exist.
CFrameCamera::~CFrameCamera() { UnwindTo(1); }

bool CFrameCamera::AcquireInto(int projection) {
  m_projection = projection;
  return Acquire();
}

std::string CFrameCamera::FailureText(int code) const {
  switch (code) {
    case kTwainFailManager: return TwainManagerEntry() || State() >= 2 ? kMsgNoDevice : kMsgNoManager;
    case kTwainFailSource: return ConditionCode() == TWCC_NODS ? kMsgNoDevice : kMsgCantOpen;
    case kTwainFailEnable: return kMsgCantStart;
    case kTwainFailCapability: return kMsgCantSetUp;
    default: return kMsgCantTransfer;
  }
}

void CFrameCamera::OnFailure(int code) { ShowMessageBox(FailureText(code), {}, MessageIcon::Stop); }

void CFrameCamera::Deliver(std::unique_ptr<CDib> image) {
  if (!image || image->Width() <= 0) {
    ShowMessageBox(kMsgNotAPhoto, {}, MessageIcon::Stop);
    return;
  }
  // The projection dialog offers the face set's four projections.
  m_document.SelectProjectionInSet(kFaceSet, m_projection);
  m_document.SetPhoto(std::move(image), m_projection, true);
}

void CFrameCamera::OnNativeImage(HGLOBAL dib) {
  auto image = std::make_unique<CDib>();
  if (!image->Create(dib)) image.reset();  // the block is the image's, or freed
  Deliver(std::move(image));
}

void CFrameCamera::OnMemoryTransferDone(bool complete) {
  HGLOBAL dib = TakeMemoryImage();
  if (!complete) {
    MemoryBlockFree(dib);
    ShowMessageBox(kMsgCantTransfer, {}, MessageIcon::Stop);
    return;
  }
  OnNativeImage(dib);
}

void CFrameCamera::OnFileTransferDone(const TW_SETUPFILEXFER& setup) {
  auto image = std::make_unique<CDib>();
  if (!image->LoadFromFile(std::string(setup.FileName))) image.reset();
  Deliver(std::move(image));
}
