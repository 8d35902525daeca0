// The near-square grid the print preview lays n pictures out in: the first
// shape of 1 x 1, 2 x 1, 2 x 2, 3 x 2, 3 x 3, 4 x 3, ... up to 16 x 16 with
// at least n cells. The longer side of the paper gets the larger number.
#pragma once

inline constexpr int kMaxPrintPictures = 256;

struct PrintGrid {
  int columns = 1;
  int rows = 1;
  int Cells() const { return columns * rows; }
};

// 0 pictures give 1 x 1; more than 256 the 16 x 16 grid (only 256 fit).
PrintGrid GridForPictures(int pictures, bool paperWide);
