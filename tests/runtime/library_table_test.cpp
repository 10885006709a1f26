// The library table's own entries: registration rules and the
// operating-system utilities' optional kernel32 entry.
#include <gtest/gtest.h>

#include "runtime/os_utilities.h"
#include "runtime/system.h"
#include "system_state.h"

namespace {

TEST(LibraryTable, LibrariesFillOnlyTheirOwnSlots) {
  using runtime::LibrarySlot;
  EXPECT_FALSE(runtime::RegisterLibrary(LibrarySlot::SystemRuntime, nullptr, nullptr));
  EXPECT_FALSE(runtime::RegisterLibrary(LibrarySlot::OperatingSystemUtilities, nullptr, nullptr));
  EXPECT_FALSE(runtime::RegisterLibrary(static_cast<LibrarySlot>(5), nullptr, nullptr));
  EXPECT_NE(runtime::detail::LibraryTable.Entries[0].Init, nullptr);
}

TEST(OsUtilities, LooksUpDiskSpaceOnNtAndFreesTheLibraryAtTheEnd) {
  runtime::detail::InitOsUtilities();
  EXPECT_EQ(runtime::Win32Platform, win32::VER_PLATFORM_WIN32_NT);
  ASSERT_NE(runtime::GetDiskFreeSpaceEx, nullptr);
  win32::ULARGE_INTEGER available{}, total{}, free{};
  EXPECT_TRUE(runtime::GetDiskFreeSpaceEx(nullptr, &available, &total, &free));
  EXPECT_GT(total.QuadPart, 0u);
  runtime::detail::FinalizeOsUtilities();
  EXPECT_EQ(runtime::GetDiskFreeSpaceEx, nullptr);
}

}  // namespace
