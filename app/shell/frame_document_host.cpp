#include "app/shell/frame_document_host.h"

#include <QApplication>
#include <QPainter>

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
