// The one way code tells the user something modally. The program installs a
// service that shows real dialogs; without one, messages go to stderr and
// the first button is taken. Tests install CRecordingMessageBoxService to see
// what was said and to choose the answers.
#pragma once

#include <deque>
#include <string>
#include <vector>

enum class MessageIcon { None, Stop, Question, Warning, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
// Which button Enter presses: questions whose "Yes" loses work preselect "No".
enum class MessageDefault { First, Second, Third };

// The answers, with the numbers callers of the original interface expect.
enum MessageAnswer { IDOK = 1, IDCANCEL = 2, IDRETRY = 4, IDYES = 6, IDNO = 7 };

class CMessageBoxService {
 public:
  virtual ~CMessageBoxService() = default;
  virtual int Show(const std::string& text, const std::string& caption, MessageIcon icon,
                   MessageButtons buttons, MessageDefault defaultButton) = 0;
};

// Shows a message through the installed service and returns its answer.
int ShowMessageBox(const std::string& text, const std::string& caption = {},
                   MessageIcon icon = MessageIcon::None, MessageButtons buttons = MessageButtons::Ok,
                   MessageDefault defaultButton = MessageDefault::First);

// Installs `service` (not owned); null restores the console fallback.
// Returns the previous one.
CMessageBoxService* SetMessageBoxService(CMessageBoxService* service);

class CRecordingMessageBoxService : public CMessageBoxService {
 public:
  struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon;
    MessageButtons buttons;
    MessageDefault defaultButton;
  };

  CRecordingMessageBoxService() : m_previous(SetMessageBoxService(this)) {}
  ~CRecordingMessageBoxService() override { SetMessageBoxService(m_previous); }

  // Answers given in order; when they run out, the first button is taken.
  void QueueAnswer(int answer) { m_answers.push_back(answer); }
  const std::vector<Message>& messages() const { return m_messages; }

  int Show(const std::string& text, const std::string& caption, MessageIcon icon, MessageButtons buttons,
           MessageDefault defaultButton) override;

 private:
  CMessageBoxService* m_previous;
  std::vector<Message> m_messages;
  std::deque<int> m_answers;
};

// The answer a box gives when nobody chooses: its first button, except that
// Retry/Cancel answers Cancel (an unattended retry would never end).
int FirstButtonAnswer(MessageButtons buttons);
