#include "app/resources/program_resources.h"

#include "app/resources/command_strings.h"
#include "app/resources/program_cursors.h"
#include "app/resources/program_icon.h"
#include "app/resources/string_table.h"

namespace {

CMemoryResourceModule* BuildModule() {
  auto* module = new CMemoryResourceModule;  // lives as long as the process
  for (const StringTableEntry& entry : ProgramCommandStrings()) module->AddString(entry.id, entry.text);
  for (const StringTableEntry& entry : ProgramStringTable()) module->AddString(entry.id, entry.text);
  AddProgramCursors(*module);
  AddProgramIcon(*module);
  RegisterModule("Kelvora", module);
  return module;
}

}  // namespace

CMemoryResourceModule& ProgramResources() {
  static CMemoryResourceModule* module = BuildModule();
  return *module;
}

HINSTANCE UseProgramResources() { return SetResourceModule(&ProgramResources()); }
