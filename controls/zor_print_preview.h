// CZORPrintPreview ("ZORPrintPreview"): the skinned control that shows a
// page as it will print. It keeps the paper (its size in device pixels and
// the resolution it was taken at), fits the paper into its window with a
// margin (its on-screen size and origin), paints it white with a shadow
// and hands the page's drawing to its owner in paper pixels, scaled onto
// the screen as a whole. The zoom factor is the page's own drawing scale,
// 1.0: the screen scaling is applied to the page as one, so text keeps its
// size relative to the pictures.
#pragma once

#include <functional>

#include <QPainter>

#include "controls/zor_ctrl_wnd.h"

class CZORPrintPreview : public CZORCtrlWnd {
 public:
  explicit CZORPrintPreview(QWidget* parent = nullptr);

  // The paper in device pixels and its resolution in dots per inch.
  void SetPaper(CSize paperPixels, int resolution);
  CSize GetPaperSize() const { return m_paper; }
  int GetResolution() const { return m_resolution; }
  double GetZoom() const { return 1.0; }
  // Where the paper shows in the window.
  CSize GetScreenPaperSize() const;
  CPoint GetScreenPaperOrigin() const;

  // Draws the page on `painter`, whose units are paper pixels.
  using PageDrawer = std::function<void(QPainter& painter)>;
  void SetPageDrawer(PageDrawer drawer) {
    m_drawer = std::move(drawer);
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CSize m_paper{2480, 3508};  // A4 at 300 dots per inch until told
  int m_resolution = 300;
  PageDrawer m_drawer;
};
