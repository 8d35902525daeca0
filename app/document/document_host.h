// CDocumentHost: everything the document asks of the window around it, in
// one place. The main frame and the view implement it; without a window (the
// command-line tool, tests) the defaults do nothing and answer as a plain
// setup would. The document never reaches the window any other way.
#pragma once

#include <array>
#include <string>

#include "platform/core/cursor_handle.h"
#include "platform/core/device_context.h"
#include "platform/core/geometry.h"
#include "platform/core/message_box.h"

class CDib;
class CLayer;

// What the main window has armed, as far as the document's rules care.
struct CEditMode {
  bool photoMode = false;         // command 1000
  bool makeupMode = false;        // command 1002
  int currentKind = -1;           // the item kind whose panel is up, or -1
  bool faceRectangleTool = false;  // command 1012
  bool printAreaTool = false;      // command 1013
  bool hairStretchTool = false;    // command 1014
};

// The cursors every frame shows over its handles. The host creates them; the
// document hands copies to its frames.
struct CFrameCursors {
  std::array<HCURSOR, 8> rotate{};
  std::array<HCURSOR, 4> resize{};
  HCURSOR move;
  HCURSOR linePoint;
};

class CDocumentHost {
 public:
  virtual ~CDocumentHost() = default;

  // --- the view ---
  // The client area photos are fitted into.
  virtual CSize GetClientSize() { return {1024, 768}; }
  // The textured background (document coordinates from (0, 0)) and the
  // surface the view paints from; null while there is no view.
  virtual CDib* GetBackgroundRaster() { return nullptr; }
  virtual CDC* GetComposedSurface() { return nullptr; }
  virtual void RefreshViews() {}
  // One picture of a cross-dissolve over document rectangle `area`.
  virtual void DrawDissolveFrame(CDib& frame, const CRect& area) {}
  virtual void BeginWaitCursor() {}
  virtual void EndWaitCursor() {}

  // --- the main frame ---
  virtual CEditMode GetEditMode() { return {}; }
  virtual void SetSlidersFrom(const CLayer& layer) {}
  virtual void ResetSliders() {}
  virtual void RefreshPanel() {}
  // After the document was cleared: every panel back to its start.
  virtual void ResetPanels() {}
  virtual void DisarmTools() {}
  // The projection picture of the top bar shows this frame (index within
  // the set).
  virtual void ShowProjectionPicture(int index) {}
  // The item list of the current kind, for the projection now current.
  virtual void RefillItemList() {}

  // The main window's status line (what automatic face fitting found).
  virtual void ShowStatusText(const std::string& text) {}
  // A new photo (from a file, a drop, the camera or the samples) has become
  // projection `index`'s; restored projects and flattening do not count.
  virtual void PhotoEntered(int index) {}

  // --- settings ---
  virtual bool IsMorphingOn() { return false; }
  virtual bool ShowQuestions() { return false; }
  virtual bool SelectByOrient() { return false; }

  // --- the user ---
  // The platform's message boxes by default, where tests read them.
  virtual int ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                          MessageDefault defaultButton = MessageDefault::First) {
    return ShowMessageBox(text, {}, icon, buttons, defaultButton);
  }
};
