// The library table: initialisation in table order, finalisation in reverse.
#include <cassert>

#include "exit_sequence.h"
#include "system_state.h"

namespace runtime {

namespace {

// Entries the runtime fills itself.
bool IsRuntimeSlot(LibrarySlot slot) {
  return slot == LibrarySlot::SystemRuntime || slot == LibrarySlot::ObjectSupport ||
         slot == LibrarySlot::OperatingSystemUtilities;
}

}  // namespace

bool RegisterLibrary(LibrarySlot slot, ProcedurePtr init, ProcedurePtr fini) {
  const auto index = static_cast<int>(slot);
  if (index < 0 || index >= kLibraryCount || IsRuntimeSlot(slot)) return false;
  if (detail::LibraryTable.Current != 0) return false;
  detail::LibraryTable.Entries[index] = {init, fini};
  return true;
}

void InitializeUnits() {
  auto& table = detail::LibraryTable;
  assert(table.Current == 0 && "InitializeUnits runs once, as the program body's first statement");
  for (int i = 1; i <= table.Count; ++i) {
    if (const ProcedurePtr init = table.Entries[i - 1].Init) init();
    table.Current = i;
  }
}

namespace detail {

void FinalizeUnits() {
  auto& table = LibraryTable;
  while (table.Current > 0) {
    --table.Current;
    if (const ProcedurePtr fini = table.Entries[table.Current].Fini) fini();
  }
}

}  // namespace detail

}  // namespace runtime
