// The brush mask comes from the layer raster's own Gaussian grid, which the
// image library keeps protected for its region brushes; a raster of nothing
// lends it.
#include "app/editing/hair_pixels.h"

namespace {

class CMaskMaker : public CDibAlpha {
 public:
  using CDibAlpha::CreateNormalMask;
};

}  // namespace

std::unique_ptr<double[]> CreateBrushMask(int size, double spread, double peak) {
  CMaskMaker maker;
  return std::unique_ptr<double[]>(maker.CreateNormalMask(size, spread, peak));
}
