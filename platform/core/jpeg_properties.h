// The JPEG properties dialog (resource 129 of the image library's module):
// quality 0..100 on a track bar mirrored by an edit box, "&Force baseline"
// and "&Grayscale" check boxes. The behaviour of its fields lives here, free
// of any window system; the GUI shows it through CJpegPropertiesPrompt.
#pragma once

#include <string>

inline constexpr int kJpegPropertiesDialogId = 129;

struct JpegProperties {
  int quality = 75;
  bool forceBaseline = true;
  bool grayscale = false;
};

class CJpegPropertiesDialogModel {
 public:
  // The fields start at quality 75, baseline forced, colour; then take the
  // caller's values (grayscale is the negation of the colour argument).
  CJpegPropertiesDialogModel(int quality, bool forceBaseline, bool colour);

  const JpegProperties& properties() const { return m_properties; }
  int trackBarPosition() const { return m_properties.quality; }
  const std::string& editText() const { return m_editText; }

  // Moving the track bar writes its position into the edit box.
  void OnTrackBarMoved(int position);
  // Every change of the edit box's text moves the track bar to the typed
  // number (clamped to the bar's range; text that is no number leaves it).
  void OnEditTextChanged(const std::string& text);
  void SetForceBaseline(bool checked) { m_properties.forceBaseline = checked; }
  void SetGrayscale(bool checked) { m_properties.grayscale = checked; }

 private:
  JpegProperties m_properties;
  std::string m_editText;
};

class CJpegPropertiesPrompt {
 public:
  virtual ~CJpegPropertiesPrompt() = default;
  // Shows the dialog modally over `model`; true for OK, false for Cancel.
  virtual bool Run(CJpegPropertiesDialogModel& model) = 0;
};

// Installs the prompt (not owned); null restores the default, which accepts
// the fields as the caller set them, as a user pressing OK at once would.
// Returns the previous one.
CJpegPropertiesPrompt* SetJpegPropertiesPrompt(CJpegPropertiesPrompt* prompt);
CJpegPropertiesPrompt& GetJpegPropertiesPrompt();
