// The order layers are drawn in, bottom first: the photo, then the items
// and the make-up in a fixed sequence. Each set of projections has its own
// list; a projection is always drawn with its own set's list, so the view,
// the gallery and the prints agree. Custom items (slot 3) have no place.
#pragma once

#include <span>
#include <vector>

class CLayer;
class CProjection;

struct DrawPosition {
  enum What { photo, makeup, item };
  What what;
  int kind;  // for items
};

std::span<const DrawPosition> DrawOrderOf(bool bodySet);

// The layers of `projection` that exist, in its set's order.
std::vector<const CLayer*> LayersInDrawOrder(const CProjection& projection, bool bodySet);
