// Window classes: the skinned controls register a class name each ("ZOR
// Button", "ZORSlider", ...) and tell their windows apart by it. Qt has no
// such registry, so this is a process-wide set of names; a CWnd carries the
// name of the class it was created with, and GetClassName answers with it
// (with the widget's Qt class name for windows that are not CWnds).
#pragma once

#include <string>

#include "platform/qt/window_message.h"

inline constexpr unsigned CS_DBLCLKS = 0x0008;

// False for an empty name or one longer than the platform's 256 characters.
bool RegisterWindowClass(const std::string& className, unsigned style);
bool IsWindowClassRegistered(const std::string& className);

// The window's class name cut to `maxLength` characters; empty for no window.
std::string GetClassName(HWND window, std::size_t maxLength = 255);
