#include "app/shell/frame_document_host.h"

#include <QApplication>
#include <QPainter>

#include "app/shell/face_fit_commands.h"
#include "app/shell/main_frame.h"
#include "app/view/kelvora_view.h"

CSize CFrameDocumentHost::GetClientSize() {
  CKelvoraView* view = m_frame.View();
  return view ? view->ClientSize() : CSize(1024, 768);
}

CDib* CFrameDocumentHost::GetBackgroundRaster() {
  CKelvoraView* view = m_frame.View();
  return view && !view->BackgroundRaster().IsEmpty() ? &view->BackgroundRaster() : nullptr;
}

CDC* CFrameDocumentHost::GetComposedSurface() {
  CKelvoraView* view = m_frame.View();
  return view ? view->ComposedSurface() : nullptr;
}

void CFrameDocumentHost::RefreshViews() {
  if (CKelvoraView* view = m_frame.View()) view->update();
}

void CFrameDocumentHost::DrawDissolveFrame(CDib& frame, const CRect& area) {
  if (CKelvoraView* view = m_frame.View()) view->ShowDissolveFrame(frame, area);
}

void CFrameDocumentHost::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void CFrameDocumentHost::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

CEditMode CFrameDocumentHost::GetEditMode() { return m_frame.ViewMode().edit; }

void CFrameDocumentHost::ShowProjectionPicture(int index) { m_frame.SetProjectionPicture(index); }

void CFrameDocumentHost::SetSlidersFrom(const CLayer& layer) { m_frame.SetSlidersFrom(layer); }

void CFrameDocumentHost::ResetSliders() { m_frame.ResetSliders(); }

void CFrameDocumentHost::RefreshPanel() { m_frame.SyncControls(); }

void CFrameDocumentHost::RefillItemList() { m_frame.RefillItemList(); }

// Posted like the controls' own status texts, so it shows after whatever
// the press that started the fitting still has to do.
void CFrameDocumentHost::ShowStatusText(const std::string& text) {
  PostMessage(&m_frame, WM_SETMESSAGESTRING, 0, 0, text);
}

void CFrameDocumentHost::PhotoEntered(int index) {
  if (CKelvoraDoc* document = m_frame.Document()) FitNewPhoto(*document, index, m_settings);
}
