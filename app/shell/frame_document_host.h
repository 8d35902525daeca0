// The document's host in the program: the view answers for the surfaces and
// repaints, the main frame for the mode, the panels and the projection
// picture, the settings record for the options.
#pragma once

#include "app/document/document_host.h"
#include "app/shell/settings/settings.h"

class CMainFrame;

class CFrameDocumentHost : public CDocumentHost {
 public:
  CFrameDocumentHost(CMainFrame& frame, const CSettings& settings) : m_frame(frame), m_settings(settings) {}

  CSize GetClientSize() override;
  CDib* GetBackgroundRaster() override;
  CDC* GetComposedSurface() override;
  void RefreshViews() override;
  void DrawDissolveFrame(CDib& frame, const CRect& area) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  CEditMode GetEditMode() override;
  void ShowProjectionPicture(int index) override;
  void SetSlidersFrom(const CLayer& layer) override;
  void ResetSliders() override;
  void RefreshPanel() override;
  void RefillItemList() override;
  bool IsMorphingOn() override { return m_settings.morphing; }
  bool ShowQuestions() override { return m_settings.showQuestions; }
  bool SelectByOrient() override { return m_settings.selectByOrient; }
  void ShowStatusText(const std::string& text) override;
  void PhotoEntered(int index) override;

 private:
  CMainFrame& m_frame;
  const CSettings& m_settings;
};
