// The image keeps its pixel scale: the layer's frame shows W x H pixels over
// w x h document units, so a frame of T units gets T * (W / w) pixels
// (truncated, as pixel sizes are). The old image is pasted at minus the image
// position of the new frame's top-left corner, which is the old image's
// pixel under that corner; what the new frame adds is filled with colour 0
// and full transparency.
//
// That pixel is found as MapToImage finds it, except that it rounds to the
// nearest pixel on both sides of the image's origin. MapToImage truncates
// toward zero, which rounds a position left of or above the image one pixel
// inwards: a frame extended to the left or upwards would shift the picture
// by a pixel each time.
#include "app/document/layer_reframe.h"

#include <cmath>
#include <memory>

#include "platform/core/rounding.h"

namespace {

CPoint ImagePixelUnder(const CLayer& layer, CDoublePoint point, CSize imageSize) {
  const CSize frame = layer.GetSize();
  const double scaleX = static_cast<double>(imageSize.cx) / frame.cx;
  const double scaleY = static_cast<double>(imageSize.cy) / frame.cy;
  const CRect box = layer.GetBoundingRect();
  const double px = point.x - box.left - (static_cast<double>(box.right) - box.left) / 2;
  const double py = point.y - box.top - (static_cast<double>(box.bottom) - box.top) / 2;
  const double cosine = layer.GetCosine(), sine = layer.GetSine();
  return {TruncateToInt(std::floor((px * cosine + py * sine) * scaleX + imageSize.cx / 2.0 + 0.5)),
          TruncateToInt(std::floor((py * cosine - px * sine) * scaleY + imageSize.cy / 2.0 + 0.5))};
}

}  // namespace

bool ReframeLayer(CLayer& layer, const CQuadTracker& frame) {
  if (frame.GetSine() != layer.GetSine() || frame.GetCosine() != layer.GetCosine()) return false;
  CDibAlpha* image = layer.GetImage();
  if (!image || image->IsEmpty()) return false;
  const CSize shown = layer.GetSize();
  const CSize target = frame.GetSize();
  if (shown.cx <= 0 || shown.cy <= 0) return false;
  const CSize imageSize(image->Width(), image->Height());
  const double scaleX = static_cast<double>(imageSize.cx) / shown.cx;
  const double scaleY = static_cast<double>(imageSize.cy) / shown.cy;
  const CSize size(TruncateToInt(target.cx * scaleX), TruncateToInt(target.cy * scaleY));
  if (size.cx <= 0 || size.cy <= 0) return false;

  auto reframed = std::make_unique<CDibAlpha>();
  if (!reframed->Create(size) || !reframed->Fill_Color(0, 255)) return false;
  const CPoint at = ImagePixelUnder(layer, frame.GetCorner(0), imageSize);
  reframed->Edit_Paste(image, CPoint(-at.x, -at.y));

  layer.ClearUndo();
  layer.ClearRedo();
  layer.AttachImage(std::move(reframed));
  layer.ApplyAdjustments();
  layer.CopyGeometry(frame);
  return true;
}
