#include "platform/core/jpeg_properties.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr int kMinQuality = 0;
constexpr int kMaxQuality = 100;

class AcceptingPrompt : public CJpegPropertiesPrompt {
 public:
  bool Run(CJpegPropertiesDialogModel&) override { return true; }
};

AcceptingPrompt g_acceptingPrompt;
CJpegPropertiesPrompt* g_prompt = &g_acceptingPrompt;

}  // namespace

CJpegPropertiesDialogModel::CJpegPropertiesDialogModel(int quality, bool forceBaseline, bool colour) {
  OnTrackBarMoved(quality);
  m_properties.forceBaseline = forceBaseline;
  m_properties.grayscale = !colour;
}

void CJpegPropertiesDialogModel::OnTrackBarMoved(int position) {
  m_properties.quality = std::clamp(position, kMinQuality, kMaxQuality);
  m_editText = std::to_string(m_properties.quality);
}

void CJpegPropertiesDialogModel::OnEditTextChanged(const std::string& text) {
  m_editText = text;
  long long typed = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  while (first != last && *first == ' ') ++first;
  auto [end, error] = std::from_chars(first, last, typed);
  if (error == std::errc() && end != first) {
    m_properties.quality = static_cast<int>(std::clamp<long long>(typed, kMinQuality, kMaxQuality));
  } else if (error == std::errc::result_out_of_range) {
    m_properties.quality = *first == '-' ? kMinQuality : kMaxQuality;
  }
}

CJpegPropertiesPrompt* SetJpegPropertiesPrompt(CJpegPropertiesPrompt* prompt) {
  CJpegPropertiesPrompt* previous = g_prompt == &g_acceptingPrompt ? nullptr : g_prompt;
  g_prompt = prompt ? prompt : &g_acceptingPrompt;
  return previous;
}

CJpegPropertiesPrompt& GetJpegPropertiesPrompt() { return *g_prompt; }
