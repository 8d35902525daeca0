// Relief effects: emboss (each pixel against the inverted pixel three columns
// right and one row down) and the height map (each pixel also copied further
// down the picture by a distance proportional to its brightness).
//
// Both run in place without a copy of the image: emboss walks top-down rows,
// so the pixels it reads below and to the right are not yet written; the
// height map only ever copies a pixel to rows already visited.
#include <algorithm>
#include <cstring>

#include "imagelib/dib.h"
#include "imagelib/dib_effect_target.h"

using pixkit::ApplyEffect;

CDib* CDib::Effect_Emboss(bool inPlace) {
  return ApplyEffect(*this, inPlace, [&](const unsigned char* in, unsigned char* out) {
    if (m_nWidth < 4) return;
    const int bytes = (m_nWidth - 3) * 3;
    for (int y = 0; y + 1 < m_nHeight; ++y) {
      // Top-down row y is memory row height - 1 - y.
      const unsigned char* here = in + static_cast<std::ptrdiff_t>(m_nHeight - 1 - y) * m_nRowLength;
      const unsigned char* below = here - m_nRowLength + 9;
      unsigned char* to = out + static_cast<std::ptrdiff_t>(m_nHeight - 1 - y) * m_nRowLength;
      for (int k = 0; k < bytes; ++k) to[k] = static_cast<unsigned char>(((255 - below[k]) + here[k]) >> 1);
    }
  });
}

CDib* CDib::Effect_HeightMap(int amount, bool inPlace) {
  // Drop in rows for each channel sum 0..765: trunc(a x sum / 765). A
  // negative drop would copy upwards, onto rows still to be read, so such
  // pixels are only kept in place; the drop is held below the height so the
  // conversion stays defined.
  int drop[766];
  for (int sum = 0; sum <= 765; ++sum) {
    const double rows = static_cast<double>(amount) * sum * 0.00130718954248366;
    drop[sum] = rows < 0.0 ? -1 : static_cast<int>(std::min(rows, static_cast<double>(m_nHeight)));
  }
  return ApplyEffect(*this, inPlace, [&](const unsigned char* in, unsigned char* out) {
    if (!inPlace) std::memcpy(out, in, static_cast<std::size_t>(m_nLength));
    // Memory rows from the bottom up; a higher row overwrites what a lower
    // one dropped, as in a row-by-row copy into the result.
    for (int row = 0; row < m_nHeight; ++row) {
      const unsigned char* from = in + static_cast<std::ptrdiff_t>(row) * m_nRowLength;
      for (int x = 0; x < m_nWidth; ++x, from += 3) {
        const int rows = drop[from[0] + from[1] + from[2]];
        if (rows <= 0 || rows > row) continue;
        std::memcpy(out + static_cast<std::ptrdiff_t>(row - rows) * m_nRowLength + 3 * x, from, 3);
      }
    }
  });
}
