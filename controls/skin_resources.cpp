#include "controls/skin_resources.h"

#include <array>
#include <cstring>

#include "platform/core/cursor_data.h"
#include "platform/qt/window_class.h"

UINT g_nBGRButMsg = 0;
UINT g_nBGChangeMsg = 0;

namespace {

HINSTANCE g_imageInstance = nullptr;

constexpr std::array<const char*, 11> kControlClassNames = {
    "ZORVideoPlayer", "ZORStatic", "ZORSlider", "ZORProgressBar", "ZORPrintPreview", "ZORImageCtrl",
    "ZOREdit", "ZORDibListCtrl", "ZORCustomFilter", "ZORColorSelecter", "ZORButton"};

constexpr std::size_t kClassNameReadLimit = 99;

}  // namespace

void SetImageInstance(HINSTANCE module) { g_imageInstance = module; }

HINSTANCE GetImageInstance() { return g_imageInstance; }

void RegisterSkinkitMessages() {
  g_nBGRButMsg = RegisterWindowMessage("BGRButMsg");
  g_nBGChangeMsg = RegisterWindowMessage("BGChangeMsg");
}

bool LoadCustomString(const char* name, const char* type, std::string& text, HINSTANCE module) {
  text.clear();
  if (!module) module = GetResourceModule();
  CResourceModuleSwitch current(module);
  if (!module || !name || !type) return false;
  auto bytes = module->FindResource(name, type);
  if (!bytes || bytes->empty()) return false;
  text.assign(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  // The resource is raw bytes; a terminating zero inside ends the text.
  text.resize(std::strlen(text.c_str()));
  return true;
}

bool LoadCustomWndRect(const char* name, CRect* rect, HINSTANCE module) {
  std::string text;
  if (!rect || !LoadCustomString(name, "wndrect", text, module)) return false;
  auto numbers = ParseNumberFields(text, 4);
  if (!numbers) return false;
  rect->SetRect((*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]);
  return true;
}

bool LoadCustomWndPos(const char* name, CPoint* point, HINSTANCE module) {
  std::string text;
  if (!point || !LoadCustomString(name, "wndpos", text, module)) return false;
  auto numbers = ParseNumberFields(text, 2);
  if (!numbers) return false;
  *point = CPoint((*numbers)[0], (*numbers)[1]);
  return true;
}

bool LoadCustomWndRgn(const char* name, CRgn& region, HINSTANCE module) {
  if (!module) module = GetResourceModule();
  CResourceModuleSwitch current(module);
  if (!module || !name) return false;
  auto bytes = module->FindResource(name, "wndrgn");
  if (!bytes || bytes->size() < sizeof(std::uint32_t)) return false;
  std::uint32_t count;
  std::memcpy(&count, bytes->data(), sizeof count);
  if (count == 0 || count > bytes->size() - sizeof count) return false;
  return region.CreateFromData(bytes->subspan(sizeof count, count));
}

bool LoadCustomColor(unsigned stringId, COLORREF& color, HINSTANCE module) {
  if (!module) module = GetResourceModule();
  CResourceModuleSwitch current(module);
  if (!module) return false;
  auto text = module->LoadString(stringId);
  if (!text) return false;
  auto parsed = ParseColorString(*text);
  if (!parsed) return false;
  color = *parsed;
  return true;
}

HCURSOR LoadCustomCursor(const char* name) {
  HINSTANCE module = GetResourceModule();
  if (!module || !name) return nullptr;
  auto bytes = module->FindResource(name, "CustomCursor");
  if (!bytes) return nullptr;
  auto planes = DecodeCursorPlanes(*bytes);
  if (!planes) return nullptr;
  return CreateCursorFromPlanes(*planes);
}

bool IsZORCtrl(HWND window) {
  std::string className = GetClassName(window, kClassNameReadLimit);
  for (const char* name : kControlClassNames)
    if (className == name) return true;
  return false;
}
