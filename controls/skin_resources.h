// Skin resources: where the skinned controls take their looks from. The
// image instance is the style module; positions, rectangles, shapes and
// colours are read from it (or from the module given), cursors from the
// program's own module, the current resource module.
#pragma once

#include <string>

#include "platform/core/device_context.h"
#include "platform/core/geometry.h"
#include "platform/core/region.h"
#include "platform/core/resource_module.h"
#include "platform/qt/cursor.h"
#include "platform/qt/window_message.h"

#include "controls/skin_text.h"

void SetImageInstance(HINSTANCE module);
HINSTANCE GetImageInstance();

// The registered "BGRButMsg" and "BGChangeMsg": 0 until the first control
// is set up (RegisterSkinkitMessages).
extern UINT g_nBGRButMsg;
extern UINT g_nBGChangeMsg;
void RegisterSkinkitMessages();

// Resource (name, type) of `module` (null: the current module) as text.
// False, and `text` empty, when absent or empty.
bool LoadCustomString(const char* name, const char* type, std::string& text, HINSTANCE module = nullptr);
bool LoadCustomWndRect(const char* name, CRect* rect, HINSTANCE module = nullptr);
bool LoadCustomWndPos(const char* name, CPoint* point, HINSTANCE module = nullptr);
// The "wndrgn" resource: a 32-bit byte count, then region data. True when
// a region was made; a zero count, a count beyond the resource or malformed
// region data give false and leave `region` alone.
bool LoadCustomWndRgn(const char* name, CRgn& region, HINSTANCE module = nullptr);
bool LoadCustomColor(unsigned stringId, COLORREF& color, HINSTANCE module = nullptr);
// The "CustomCursor" resource of the current module; null when absent.
HCURSOR LoadCustomCursor(const char* name);

// Whether the window is one of the skinned control classes.
bool IsZORCtrl(HWND window);
