// The window of an enabled source, in the program's dark skinned look: a
// webcam's live picture or a scanner's settings, and the style's buttons
// "Take photo" or "Scan" and "Close". Not modal: the application's loop
// keeps running while it shows, offering every event to the camera.
#pragma once

#include <QDialog>
#include <QImage>
#include <QWidget>

#include <vector>

#include "platform/core/twain_parent.h"
#include "platform/qt/wnd.h"

class QComboBox;

inline constexpr UINT kSourceActionId = 1001;
inline constexpr UINT kSourceCloseId = 1002;

// The newest frame, scaled to fit and kept in its proportions.
class CSourcePreview : public QWidget {
 public:
  explicit CSourcePreview(QWidget* parent = nullptr);
  // Takes the packed DIB; a frame that is no picture is ignored.
  void ShowFrame(HGLOBAL frame);
  const QImage& Frame() const { return m_frame; }
  int FramesShown() const { return m_framesShown; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage m_frame;
  int m_framesShown = 0;
};

class CSourceWindow : public QDialog {
 public:
  CSourceWindow(TwainSourceWindow window, QWidget* parent = nullptr);
  // The button's press with the settings chosen.
  void TakePicture();
  const TwainSourceWindow& Spec() const { return m_spec; }
  // The skinned buttons' window; tests press them through WM_COMMAND.
  CWnd* Buttons() const { return m_buttons; }
  // Null for a source without a live picture.
  CSourcePreview* Preview() const { return m_preview; }
  const std::vector<QComboBox*>& Settings() const { return m_settings; }
  // Closing asks the source to close; the window goes when it is disabled.
  void reject() override;

 private:
  TwainSourceWindow m_spec;
  CWnd* m_buttons = nullptr;
  CSourcePreview* m_preview = nullptr;
  std::vector<QComboBox*> m_settings;
  bool m_closing = false;
};
