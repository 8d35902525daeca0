// kvtool face: automatic face fitting on a photo loaded as the program
// loads it (fitted into the client area), printed in document coordinates.
#include <cstdio>

#include "app/editing/auto_face_fit.h"
#include "tools/kvtool/command.h"
#include "tools/kvtool/image_io.h"

namespace {

class CClientHost : public CDocumentHost {
 public:
  explicit CClientHost(CSize client) : m_client(client) {}
  CSize GetClientSize() override { return m_client; }

 private:
  CSize m_client;
};

}  // namespace

int RunFace(const CommandArgs& args) {
  const KvCommand& command = FindCommand("face");
  CSize client{1024, 768};
  if (args.size() != 1 && args.size() != 3) return UsageError(command);
  if (args.size() == 3) {
    if (args[1] != "--client" || !ParseIntPair(args[2], ',', &client.cx, &client.cy)) return UsageError(command);
    if (client.cx < 2 || client.cy < 2 || client.cx > 16384 || client.cy > 16384)
      return Fail("face", "--client needs W,H from 2 to 16384");
  }
  auto photo = std::make_unique<CDib>();
  if (!LoadImageOrReport(args[0], *photo)) return kExitFailure;
  CClientHost host(client);
  CKelvoraDoc document(nullptr, &host);
  if (!document.SetPhoto(std::move(photo), 0)) return Fail(args[0], "not a true-colour image");

  const FaceFitResult result = FindFaceFit(*document.GetProjection(0), SharedFaceFinder());
  if (result.status != FaceFitStatus::fitted && result.status != FaceFitStatus::fittedLargestOfSeveral) {
    std::printf("no face\n");
    return 0;
  }
  const FaceFit& fit = result.fit;
  std::printf("face %.1f,%.1f,%.1f,%.1f %.6f,%.6f\n", fit.frame.left, fit.frame.top, fit.frame.right,
              fit.frame.bottom, fit.cosine, fit.sine);
  std::printf("eyes %d,%d,%d,%d\n", fit.eye0.x, fit.eye0.y, fit.eye1.x, fit.eye1.y);
  std::printf("lips %d,%d,%d,%d\n", fit.lips0.x, fit.lips0.y, fit.lips1.x, fit.lips1.y);
  std::printf("shape %s\n", FaceShapeName(fit.shape).c_str());
  if (result.faceCount > 1) std::printf("faces %d (the largest fitted)\n", result.faceCount);
  return 0;
}
