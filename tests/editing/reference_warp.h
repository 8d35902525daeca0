// The field warp transcribed straight from its formula, one sample at a
// time, for the tests and the benchmark to hold the fast warp to.
#pragma once

#include <vector>

#include "app/editing/field_warp.h"

// Rows firstRow..lastRow-1 only (the benchmark times a band of rows).
void ReferenceFieldWarp(CDib& source, CDib& destination, const std::vector<CLinePair>& pairs,
                        const CPolygonRegion& area, int firstRow = 0, int lastRow = 1 << 30);
