// The frame's camera object: what an acquisition delivers becomes the photo
// of the projection the user chose, announced like any new photo, and a
// failed step tells the user what failed.
#pragma once

#include <string>

#include "app/document/kelvora_doc.h"
#include "app/shell/camera/twain_camera.h"

class CFrameCamera : public CTwainCamera {
 public:
  CFrameCamera(std::string managerPath, CKelvoraDoc& document);
  ~CFrameCamera() override;

  // Command 32771 once the projection dialog has answered: `projection` is
  // a face projection, 0 to 3.
  bool AcquireInto(int projection);
  // What a failure code tells the user, with the condition code read.
  std::string FailureText(int code) const;

 protected:
  void OnNativeImage(HGLOBAL dib) override;
  void OnMemoryTransferDone(bool complete) override;
  void OnFileTransferDone(const TW_SETUPFILEXFER& setup) override;
  void OnFailure(int code) override;

 private:
  void Deliver(std::unique_ptr<CDib> image);

  CKelvoraDoc& m_document;
  int m_projection = 0;
};
