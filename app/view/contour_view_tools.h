// The view's side of the selection and deformation outlines: presses on
// the document's active tool object run its drags in the view's drag loop
// (the magic wand's outline selects by colour instead, unless Shift alone
// is held), and an overlay draws the outlines as marching dashes and hands
// the held keys to the active outline. The logic is CContour's and the
// area commands'; this only captures the mouse and paints.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/view/document_view_tools.h"

class CKelvoraDoc;
class CLayer;

// Where the main window's controls stand for a wand press.
struct CWandSetup {
  CLayer* target = nullptr;  // the edited layer
  int pressure = 50;
  int thickness = 1;
};

class CContourViewTools : public CDocumentViewTools {
 public:
  explicit CContourViewTools(CKelvoraDoc& document) : CDocumentViewTools(document), m_doc(document) {}
  void SetWandSetupSource(std::function<CWandSetup()> source) { m_wandSetup = std::move(source); }
  // Heard after every press that changed an outline.
  void SetOnOutlineChanged(std::function<void()> changed) { m_changed = std::move(changed); }
  void SetContourCaptureWidget(QWidget* view) { m_capture = view; }

  bool ActiveToolPress(CPoint p) override;

 private:
  CKelvoraDoc& m_doc;
  QWidget* m_capture = nullptr;
  std::function<CWandSetup()> m_wandSetup;
  std::function<void()> m_changed;
};

// Over the view, letting every mouse event through: draws the document's
// outlines while one is active and steps their dashes on a timer; takes
// Shift, Ctrl, Alt and Space to the active outline and sets its cursor.
class CContourOverlay : public QWidget {
 public:
  CContourOverlay(CKelvoraDoc& document, QWidget* view);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CKelvoraDoc& m_document;
  QTimer m_marching;
  int m_phase = 0;
};
