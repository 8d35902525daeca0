// Resource modules: a module holds typed, named binary resources and a string
// table. The program's own resources, the image library's, the style library
// and test fixtures are all modules. A resource name or type is either a text
// (compared without regard to case) or a small integer smuggled in a pointer,
// as MakeIntResource builds it, so that the numeric types of the original
// interfaces (2 = packed DIB bitmap) keep their meaning.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

inline const char* MakeIntResource(unsigned id) {
  return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(id));
}
inline bool IsIntResource(const char* nameOrType) {
  return (reinterpret_cast<std::uintptr_t>(nameOrType) >> 16) == 0;
}
inline unsigned IntResourceId(const char* nameOrType) {
  return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(nameOrType));
}

inline constexpr unsigned kResourceTypeBitmap = 2;  // a packed DIB without file header

// A name or type in a form that can be stored and compared: "#<id>" for a
// numeric one, the upper-cased text otherwise.
std::string ResourceKey(const char* nameOrType);

// Pictures for screens of twice the density sit beside the plain ones as
// "<name>@2x", of the same type and exactly twice the size each way; a
// window region of that name is in those pictures' pixels. Scale 1 is the
// name itself.
inline constexpr int kHighDensityScale = 2;
std::string ScaledResourceName(const std::string& name, int scale);

class CResourceModule {
 public:
  virtual ~CResourceModule() = default;

  // The bytes of the resource, or nothing when it is absent or unreadable.
  // The span stays valid as long as the module lives.
  virtual std::optional<std::span<const unsigned char>> FindResource(const char* name,
                                                                     const char* type) const = 0;
  // The string with this id, or nothing.
  virtual std::optional<std::string> LoadString(unsigned id) const = 0;
};

using HINSTANCE = CResourceModule*;

// A module held in memory, filled by code: test fixtures, the libraries' own
// built-in resources, and the style library once it is read from its file.
class CMemoryResourceModule : public CResourceModule {
 public:
  void AddResource(const char* name, const char* type, std::vector<unsigned char> bytes);
  void AddString(unsigned id, std::string text);

  std::optional<std::span<const unsigned char>> FindResource(const char* name,
                                                             const char* type) const override;
  std::optional<std::string> LoadString(unsigned id) const override;

 private:
  std::map<std::pair<std::string, std::string>, std::vector<unsigned char>> m_resources;
  std::map<unsigned, std::string> m_strings;
};

// The module that resource look-ups without an explicit module use. Null
// until somebody sets it.
HINSTANCE GetResourceModule();
// Makes `module` current and returns the previous one.
HINSTANCE SetResourceModule(HINSTANCE module);

// Switches the current module for the lifetime of the object.
class CResourceModuleSwitch {
 public:
  explicit CResourceModuleSwitch(HINSTANCE module) : m_previous(SetResourceModule(module)) {}
  ~CResourceModuleSwitch() { SetResourceModule(m_previous); }
  CResourceModuleSwitch(const CResourceModuleSwitch&) = delete;
  CResourceModuleSwitch& operator=(const CResourceModuleSwitch&) = delete;

 private:
  HINSTANCE m_previous;
};

// Modules that code finds by name ("Pixkit", "Skinkit"): each library
// registers its own. The registry does not own the modules.
void RegisterModule(const std::string& moduleName, HINSTANCE module);
HINSTANCE FindModule(const std::string& moduleName);

// The string `id` of `module` (the current module when null); empty when absent.
std::string LoadResourceString(unsigned id, HINSTANCE module = nullptr);
