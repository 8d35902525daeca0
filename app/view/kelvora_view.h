// CKelvoraView: the one window that shows the document. It keeps the
// composed picture of the current projection in a screen-sized surface and
// paints it stretched by the zoom from the scroll origin, with the edited
// frame over it. Its rules live in CViewController; this class turns Qt's
// events into calls on it and runs the drags' nested loops.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <array>
#include <functional>
#include <memory>

#include "app/view/context_menu.h"
#include "app/view/slider_application.h"
#include "app/view/view_controller.h"
#include "imagelib/dib.h"
#include "platform/core/raster_dc.h"
#include "platform/qt/wnd.h"

inline constexpr UINT ID_CLAMP_VIEW = 1150;
inline constexpr UINT ID_ADD_TO_GALLERY = 1194;

class CKelvoraView : public CWnd, public CViewWindow {
 public:
  CKelvoraView(CKelvoraDoc& document, CViewTools& tools, QWidget* parent);
  ~CKelvoraView() override;

  // Rebuilds the surfaces for the screen's size, fills the background with
  // the style's "IDB_VIEW_TEXTURE" and composes everything.
  void OnInitialUpdate(CSize screenSize);

  CViewController& Controller() { return m_controller; }
  // Window pixels of the last press, where a tool's drag starts.
  CPoint PressPoint() const { return m_pressPoint; }
  CDib& BackgroundRaster() { return m_background; }
  CRasterDC* ComposedSurface() { return m_composed.get(); }
  CSize ClientSize() const { return {width(), height()}; }

  // Where the sliders stand (the main frame's); read when the pause is over.
  void SetSliderSource(std::function<CSliderPositions()> source) { m_sliders = std::move(source); }
  void SetFilterColours(FilterColourLookup lookup) { m_filterColours = std::move(lookup); }
  // A slider moved (not the pressure slider).
  void OnSliderMoved();
  // Timer 10: applies the sliders after a pause. Public so tests drive it.
  void ApplySlidersIfDue(long long nowMs);
  // Runs a file dropped on the view; set by the frame.
  void SetDropHandler(std::function<bool(const std::string&)> handler) { m_dropHandler = std::move(handler); }
  // What a drop of these files does: the photo is loaded when exactly one
  // image file is carried. The result is the drop's.
  bool DropFiles(const std::vector<std::string>& paths);
  // Where chosen context-menu commands go (the main frame).
  void SetCommandSink(std::function<void(UINT)> sink) { m_commandSink = std::move(sink); }
  // Shows the menu and returns the chosen command (0 for none); tests
  // replace it.
  void SetMenuRunner(std::function<UINT(const std::vector<MenuEntry>&, QPoint)> runner) {
    m_menuRunner = std::move(runner);
  }

  // Paints one cross-dissolve picture of document rectangle `area` at once.
  void ShowDissolveFrame(CDib& frame, const CRect& area);

  // CViewWindow
  bool DragFrame(CQuadTracker& frame, CPoint p, int hit, bool rightButton) override;
  bool Pan(CPoint clientPoint) override;
  void ShowContextMenu(CPoint clientPoint) override;
  void Repaint() override { update(); }

 protected:
  void OnCommand(UINT id, UINT code, HWND control) override;
  void OnTimer(UINT id) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Shows what the rules choose for the pointer at a window pixel.
  void UpdateCursor(CPoint client);
  // The frame the mode edits, drawn over the picture in window pixels.
  void DrawEditedFrames(QImage& target);

  CKelvoraDoc& m_document;
  CViewController m_controller;
  CPoint m_pressPoint;  // window pixels of the last press, where a drag starts
  QImage m_dissolveFrame;  // shown over the picture while not null
  CRect m_dissolveArea;
  std::array<HCURSOR, 6> m_toolCursors;  // by ViewToolCursor
  HCURSOR m_handCursor;                  // while panning
  CDib m_background;
  std::unique_ptr<CRasterDC> m_composed;
  CSliderPause m_sliderPause;
  QElapsedTimer m_clock;
  std::function<CSliderPositions()> m_sliders;
  FilterColourLookup m_filterColours;
  std::function<bool(const std::string&)> m_dropHandler;
  std::function<void(UINT)> m_commandSink;
  std::function<UINT(const std::vector<MenuEntry>&, QPoint)> m_menuRunner;
};
