#include "platform/core/message_box.h"

#include <cstdio>

namespace {

class ConsoleMessageBoxService : public CMessageBoxService {
 public:
  int Show(const std::string& text, const std::string& caption, MessageIcon, MessageButtons buttons,
           MessageDefault) override {
    std::fprintf(stderr, "%s%s%s\n", caption.c_str(), caption.empty() ? "" : ": ", text.c_str());
    return FirstButtonAnswer(buttons);
  }
};

ConsoleMessageBoxService g_consoleService;
CMessageBoxService* g_service = &g_consoleService;

}  // namespace

int FirstButtonAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
      return IDYES;
    // Retrying unattended would ask again for ever.
    case MessageButtons::RetryCancel:
      return IDCANCEL;
    default:
      return IDOK;
  }
}

int ShowMessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                   MessageButtons buttons, MessageDefault defaultButton) {
  return g_service->Show(text, caption, icon, buttons, defaultButton);
}

CMessageBoxService* SetMessageBoxService(CMessageBoxService* service) {
  CMessageBoxService* previous = g_service == &g_consoleService ? nullptr : g_service;
  g_service = service ? service : &g_consoleService;
  return previous;
}

int CRecordingMessageBoxService::Show(const std::string& text, const std::string& caption,
                                      MessageIcon icon, MessageButtons buttons, MessageDefault defaultButton) {
  m_messages.push_back({text, caption, icon, buttons, defaultButton});
  if (m_answers.empty()) return FirstButtonAnswer(buttons);
  int answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}
