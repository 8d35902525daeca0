// The hair tools as the view's tools object runs them: at a press the
// armed tool and the controls are read, the stroke's parameters are made
// for the target layer, and the stroke follows the mouse in the view's drag
// loop until the button is released. The logic is CHairStrokeSession's; this
// only captures the mouse and forwards the loop's positions.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "app/editing/hair_stroke_session.h"
#include "app/view/view_tools.h"

class CKelvoraDoc;

// What the main window has armed and where its controls stand.
struct CHairToolSetup {
  HairStrokeTool tool = HairStrokeTool::comb;
  CHairToolControls controls;
};

// One stroke in the drag loop of `capture`, started at `pressPoint`
// (document units). Refused (false, nothing done) while another drag holds
// the mouse.
bool RunHairStroke(QWidget& capture, CHairStrokeSession& session, CPoint pressPoint);

class CHairViewTools : public CViewTools {
 public:
  explicit CHairViewTools(CKelvoraDoc& document) : m_document(document) {}

  // The widget whose mouse a stroke captures (the view); not owned.
  void SetCaptureWidget(QWidget* view) { m_view = view; }
  QWidget* CaptureWidget() const { return m_view; }
  // Asked at every press; nullopt while no hair tool is armed.
  void SetSetupSource(std::function<std::optional<CHairToolSetup>()> source) { m_setup = std::move(source); }
  // Spray numbers for the next strokes (tests); null for the clock-seeded
  // generator.
  void SetRandomSource(std::function<std::unique_ptr<CStrokeRandom>()> source) { m_random = std::move(source); }

  // Where the eyedroppers' colours go: the colour selecter, and the custom
  // filter for "Try your own color" when no nose or breast takes it.
  void SetColourReceivers(std::function<void(COLORREF)> picked, std::function<void(COLORREF)> ownColour) {
    m_picked = std::move(picked);
    m_ownColour = std::move(ownColour);
  }

  bool HairToolPress(CLayer& target, CPoint p) override;
  void OnPickedColour(COLORREF colour) override {
    if (m_picked) m_picked(colour);
  }
  void OnOwnColourForFilter(COLORREF colour) override {
    if (m_ownColour) m_ownColour(colour);
  }

 private:
  CKelvoraDoc& m_document;
  QWidget* m_view = nullptr;
  std::function<std::optional<CHairToolSetup>()> m_setup;
  std::function<std::unique_ptr<CStrokeRandom>()> m_random;
  std::function<void(COLORREF)> m_picked;
  std::function<void(COLORREF)> m_ownColour;
};
