#include "platform/core/resource_module.h"

#include <cctype>

namespace {

HINSTANCE g_currentModule = nullptr;

std::map<std::string, HINSTANCE>& ModuleRegistry() {
  static std::map<std::string, HINSTANCE> registry;
  return registry;
}

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string ScaledResourceName(const std::string& name, int scale) {
  return scale <= 1 ? name : name + "@" + std::to_string(scale) + "x";
}

std::string ResourceKey(const char* nameOrType) {
  if (IsIntResource(nameOrType)) return "#" + std::to_string(IntResourceId(nameOrType));
  return UpperCase(nameOrType);
}

void CMemoryResourceModule::AddResource(const char* name, const char* type,
                                        std::vector<unsigned char> bytes) {
  m_resources[{ResourceKey(type), ResourceKey(name)}] = std::move(bytes);
}

void CMemoryResourceModule::AddString(unsigned id, std::string text) { m_strings[id] = std::move(text); }

std::optional<std::span<const unsigned char>> CMemoryResourceModule::FindResource(
    const char* name, const char* type) const {
  if (!name || !type) return std::nullopt;
  auto found = m_resources.find({ResourceKey(type), ResourceKey(name)});
  if (found == m_resources.end()) return std::nullopt;
  return std::span<const unsigned char>(found->second);
}

std::optional<std::string> CMemoryResourceModule::LoadString(unsigned id) const {
  auto found = m_strings.find(id);
  if (found == m_strings.end()) return std::nullopt;
  return found->second;
}

HINSTANCE GetResourceModule() { return g_currentModule; }

HINSTANCE SetResourceModule(HINSTANCE module) {
  HINSTANCE previous = g_currentModule;
  g_currentModule = module;
  return previous;
}

void RegisterModule(const std::string& moduleName, HINSTANCE module) {
  if (module) ModuleRegistry()[UpperCase(moduleName)] = module;
  else ModuleRegistry().erase(UpperCase(moduleName));
}

HINSTANCE FindModule(const std::string& moduleName) {
  auto found = ModuleRegistry().find(UpperCase(moduleName));
  return found == ModuleRegistry().end() ? nullptr : found->second;
}

std::string LoadResourceString(unsigned id, HINSTANCE module) {
  if (!module) module = GetResourceModule();
  if (!module) return {};
  return module->LoadString(id).value_or(std::string());
}
