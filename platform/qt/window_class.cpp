#include "platform/qt/window_class.h"

#include <map>

#include "platform/qt/wnd.h"

namespace {

constexpr std::size_t kMaxClassNameLength = 256;

std::map<std::string, unsigned>& RegisteredClasses() {
  static std::map<std::string, unsigned> classes;
  return classes;
}

}  // namespace

bool RegisterWindowClass(const std::string& className, unsigned style) {
  if (className.empty() || className.size() > kMaxClassNameLength) return false;
  RegisteredClasses().try_emplace(className, style);
  return true;
}

bool IsWindowClassRegistered(const std::string& className) {
  return RegisteredClasses().contains(className);
}

std::string GetClassName(HWND window, std::size_t maxLength) {
  if (!IsWindow(window)) return {};
  std::string name;
  if (auto* wnd = dynamic_cast<CWnd*>(window); wnd && !wnd->GetWindowClassName().empty())
    name = wnd->GetWindowClassName();
  else
    name = window->metaObject()->className();
  return name.substr(0, maxLength);
}
