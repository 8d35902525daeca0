// One printed page: the pictures in their grid and the sign under them,
// drawn in the paper's device pixels. The preview, the printer, the PDF
// file and `kvtool print` all draw through here, so they agree.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>

#include <optional>
#include <vector>

#include "app/shell/printing/sign_properties.h"
#include "platform/core/geometry.h"

struct PrintPageLayout {
  std::vector<CRect> pictures;  // in paper pixels, one per picture
  CRect sign;                   // empty without a sign
};

// The sign's font for a paper of `resolution` dots per inch at zoom
// `zoom`; none for an empty sign (no font is made then).
std::optional<QFont> MakeSignFont(const SignProperties& sign, int resolution, double zoom);

// Where everything goes on a paper of `paper` pixels. The sign takes a band
// of its text's height at the bottom, and the pictures are laid out above
// it so that the caption never covers a picture.
PrintPageLayout LayoutPrintPage(const std::vector<CSize>& pictures, CSize paper, int resolution,
                                const SignProperties& sign, double zoom = 1.0);

// Draws the page with `painter` in paper pixels (the caller sets any
// scaling for a screen). Pictures are scaled with a smoothing filter, not
// by repeating pixels.
void DrawPrintPage(QPainter& painter, const std::vector<QImage>& pictures, CSize paper, int resolution,
                   const SignProperties& sign, double zoom = 1.0);
