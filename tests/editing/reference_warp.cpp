#include "tests/editing/reference_warp.h"

#include <algorithm>
#include <cmath>

#include "imagelib/dib_pixels.h"

void ReferenceFieldWarp(CDib& source, CDib& destination, const std::vector<CLinePair>& pairs,
                        const CPolygonRegion& area, int firstRow, int lastRow) {
  pixkit::LockedPixels from(source);
  pixkit::LockedPixels to(destination);
  const int width = source.Width();
  const int height = source.Height();
  const double offsets[3] = {-0.25, 0.0, 0.25};
  for (int y = std::max(firstRow, 0); y < std::min(lastRow, height); ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned char* out = to.Row(y) + 3 * x;
      if (!area.PtInRegion(x, y)) {
        for (int k = 0; k < 3; ++k) out[k] = from.Row(y)[3 * x + k];
        continue;
      }
      int sums[3] = {0, 0, 0};
      for (double sy : offsets) {
        for (double sx : offsets) {
          const double X = x + sx, Y = y + sy;
          double Dx = 0, Dy = 0, W = 0;
          for (const CLinePair& pair : pairs) {
            const double dx = pair.q.x - pair.p.x, dy = pair.q.y - pair.p.y;
            double L = std::sqrt(dx * dx + dy * dy);
            if (L == 0) L = 1;
            const double sdx = pair.sourceQ.x - pair.sourceP.x, sdy = pair.sourceQ.y - pair.sourceP.y;
            double Ls = std::sqrt(sdx * sdx + sdy * sdy);
            if (Ls == 0) Ls = 1;
            const double ex = X - pair.p.x, ey = Y - pair.p.y;
            const double u = (ex * dx + ey * dy) / (L * L);
            const double v = (ey * dx - ex * dy) / L;
            const double mx = pair.sourceP.x + u * sdx + v * -sdy / Ls;
            const double my = pair.sourceP.y + u * sdy + v * sdx / Ls;
            double dist;
            if (u < 0)
              dist = std::sqrt(ex * ex + ey * ey);
            else if (u > 1)
              dist = std::sqrt((X - pair.q.x) * (X - pair.q.x) + (Y - pair.q.y) * (Y - pair.q.y));
            else
              dist = std::fabs(v);
            const double w = 1 / (dist * dist + 0.001);
            Dx += w * (mx - X);
            Dy += w * (my - Y);
            W += w;
          }
          const double Sx = W != 0 ? X + Dx / W : X;
          const double Sy = W != 0 ? Y + Dy / W : Y;
          const double rx = Sx + 0.5, ry = Sy + 0.5;
          if (!(rx > -1 && rx < width && ry > -1 && ry < height)) continue;
          const unsigned char* s = from.Row(static_cast<int>(ry)) + 3 * static_cast<int>(rx);
          for (int k = 0; k < 3; ++k) sums[k] += s[k];
        }
      }
      for (int k = 0; k < 3; ++k) out[k] = static_cast<unsigned char>(sums[k] / 9);
    }
  }
}
