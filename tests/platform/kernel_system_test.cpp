// Version query, libraries by name and disk space.
#include <sys/statvfs.h>
#include <sys/utsname.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/kernel.h"

namespace {

using namespace win32;

TEST(KernelVersion, ReportsAnNtPlatformWithTheKernelsNumbers) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
  utsname system;
  ASSERT_EQ(uname(&system), 0);
  EXPECT_EQ(info.dwMajorVersion, std::strtoul(system.release, nullptr, 10));

  info.dwOSVersionInfoSize = sizeof info - 1;
  EXPECT_FALSE(GetVersionExA(&info));
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

TEST(KernelLibrary, OnlyKernel32IsFoundByName) {
  struct Case {
    const char* name;
    bool found;
  };
  const Case cases[] = {
      {"kernel32", true}, {"Kernel32.DLL", true}, {"kernel32.dl", false}, {"user32", false}, {"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HMODULE module = LoadLibraryA(c.name);
    EXPECT_EQ(module != nullptr, c.found);
    if (module != nullptr) {
      EXPECT_EQ(module, GetModuleHandleA("kernel32"));
      EXPECT_TRUE(FreeLibrary(module));
    } else {
      EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    }
  }
}

TEST(KernelLibrary, GetDiskFreeSpaceExAIsTheOnlyEntry) {
  HMODULE kernel32 = LoadLibraryA("kernel32");
  ASSERT_NE(kernel32, nullptr);
  auto entry = reinterpret_cast<GetDiskFreeSpaceExA_t>(GetProcAddress(kernel32, "GetDiskFreeSpaceExA"));
  EXPECT_EQ(entry, &GetDiskFreeSpaceExA);
  for (const char* other : {"GetDiskFreeSpaceExW", "getdiskfreespaceexa", "ExitProcess", reinterpret_cast<const char*>(1)}) {
    EXPECT_EQ(GetProcAddress(kernel32, other), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
  }
  EXPECT_TRUE(FreeLibrary(kernel32));
}

TEST(KernelLibrary, FreeLibraryCountsReferences) {
  HMODULE first = LoadLibraryA("kernel32");
  HMODULE second = LoadLibraryA("kernel32.dll");
  EXPECT_EQ(first, second);
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_TRUE(FreeLibrary(second));
  EXPECT_FALSE(FreeLibrary(first));  // one free too many
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(KernelLibrary, TheProgramIsItsOwnModule) {
  HMODULE instance = GetModuleHandleA(nullptr);
  EXPECT_NE(instance, nullptr);
  EXPECT_NE(instance, GetModuleHandleA("kernel32"));
  EXPECT_EQ(GetModuleHandleA("gdi32"), nullptr);
}

// Free space moves while the test runs; the totals must agree exactly and
// the free figures within what a busy machine writes meanwhile.
void expect_matches_statvfs(const char* directory, const char* statvfs_path) {
  ULARGE_INTEGER free_to_caller{}, total{}, total_free{};
  ASSERT_TRUE(GetDiskFreeSpaceExA(directory, &free_to_caller, &total, &total_free));
  struct statvfs file_system;
  ASSERT_EQ(statvfs(statvfs_path, &file_system), 0);
  constexpr double kSlack = 256.0 * 1024 * 1024;
  EXPECT_EQ(total.QuadPart, static_cast<std::uint64_t>(file_system.f_blocks) * file_system.f_frsize);
  EXPECT_NEAR(static_cast<double>(free_to_caller.QuadPart),
              static_cast<double>(file_system.f_bavail) * file_system.f_frsize, kSlack);
  EXPECT_NEAR(static_cast<double>(total_free.QuadPart),
              static_cast<double>(file_system.f_bfree) * file_system.f_frsize, kSlack);
  EXPECT_LE(free_to_caller.QuadPart, total_free.QuadPart);
  EXPECT_LE(total_free.QuadPart, total.QuadPart);
}

TEST(KernelDiskSpace, AgreesWithStatvfs) {
  expect_matches_statvfs("/", "/");
  expect_matches_statvfs(nullptr, ".");  // no directory: the current one
  ULARGE_INTEGER total{};
  EXPECT_TRUE(GetDiskFreeSpaceExA("/", nullptr, &total, nullptr));  // any output may be left out
}

TEST(KernelDiskSpace, NamesMustBeDirectories) {
  EXPECT_FALSE(GetDiskFreeSpaceExA("/no/such/directory", nullptr, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(GetDiskFreeSpaceExA("/dev/null", nullptr, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_DIRECTORY);
}

}  // namespace
