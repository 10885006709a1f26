// Files, devices, pipes and the standard handles.
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kernel/console_devices.h"
#include "platform/kernel.h"

namespace {

using namespace win32;

// A fresh directory for the test's files, removed with them afterwards.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = ::testing::TempDir() + "kernel-file-XXXXXX";
    path_ = mkdtemp(pattern.data());
  }
  ~ScratchDirectory() { std::filesystem::remove_all(path_); }
  std::string file(const char* name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

HANDLE open_descriptor(int descriptor, DWORD access) {
  std::string path = "/proc/self/fd/" + std::to_string(descriptor);
  return CreateFileA(path.c_str(), access, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

void write_text(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr));
  CloseHandle(file);
}

std::string read_text(HANDLE file) {
  std::string text;
  char buffer[64];
  DWORD count = 0;
  while (ReadFile(file, buffer, sizeof buffer, &count, nullptr) && count > 0) text.append(buffer, count);
  return text;
}

struct DispositionCase {
  DWORD disposition;
  bool exists_before;
  bool opens;
  DWORD last_error;
  const char* content_after;  // of the file after the handle is closed
};

TEST(KernelFile, CreationDispositions) {
  const DispositionCase cases[] = {
      {CREATE_NEW, false, true, ERROR_SUCCESS, ""},
      {CREATE_NEW, true, false, ERROR_FILE_EXISTS, "old"},
      {CREATE_ALWAYS, false, true, ERROR_SUCCESS, ""},
      {CREATE_ALWAYS, true, true, ERROR_ALREADY_EXISTS, ""},
      {OPEN_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
      {OPEN_EXISTING, true, true, ERROR_SUCCESS, "old"},
      {OPEN_ALWAYS, false, true, ERROR_SUCCESS, ""},
      {OPEN_ALWAYS, true, true, ERROR_ALREADY_EXISTS, "old"},
      {TRUNCATE_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
      {TRUNCATE_EXISTING, true, true, ERROR_SUCCESS, ""},
  };
  for (const DispositionCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "disposition " << c.disposition << (c.exists_before ? ", existing" : ", new"));
    ScratchDirectory directory;
    std::string path = directory.file("data");
    if (c.exists_before) write_text(path, "old");
    SetLastError(0xDEAD);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, c.disposition, 0, nullptr);
    EXPECT_EQ(file != INVALID_HANDLE_VALUE, c.opens);
    EXPECT_EQ(GetLastError(), c.last_error);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (c.content_after != nullptr) {
      HANDLE check = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      ASSERT_NE(check, INVALID_HANDLE_VALUE);
      EXPECT_EQ(read_text(check), c.content_after);
      CloseHandle(check);
    }
  }
}

TEST(KernelFile, OpeningFailuresNameTheirCause) {
  ScratchDirectory directory;
  struct Case {
    std::string path;
    DWORD access;
    DWORD disposition;
    DWORD error;
  };
  const Case cases[] = {
      {directory.file("missing"), GENERIC_READ, OPEN_EXISTING, ERROR_FILE_NOT_FOUND},
      {directory.file("no-such-directory/file"), GENERIC_READ, OPEN_EXISTING, ERROR_PATH_NOT_FOUND},
      {directory.path(), GENERIC_READ, OPEN_EXISTING, ERROR_ACCESS_DENIED},
      {directory.file("x"), GENERIC_READ, TRUNCATE_EXISTING, ERROR_INVALID_PARAMETER},
      {directory.file("x"), GENERIC_READ, 6, ERROR_INVALID_PARAMETER},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(CreateFileA(c.path.c_str(), c.access, 0, nullptr, c.disposition, 0, nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), c.error);
  }
}

TEST(KernelFile, FileTypeOfDiskFilesDevicesPipesAndTerminals) {
  ScratchDirectory directory;
  write_text(directory.file("disk"), "x");
  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  int sockets[2];
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, sockets), 0);
  int terminal = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal, 0);
  ASSERT_EQ(grantpt(terminal), 0);
  ASSERT_EQ(unlockpt(terminal), 0);

  struct Case {
    std::string path;
    DWORD type;
  };
  const Case cases[] = {
      {directory.file("disk"), FILE_TYPE_DISK},
      {"/dev/null", FILE_TYPE_CHAR},
      {ptsname(terminal), FILE_TYPE_CHAR},
      {"/proc/self/fd/" + std::to_string(pipe_ends[0]), FILE_TYPE_PIPE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    HANDLE file = CreateFileA(c.path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
    EXPECT_EQ(GetFileType(file), c.type);
    CloseHandle(file);
  }
  // A socket cannot be opened by name; see it as the standard input.
  int saved = dup(STDIN_FILENO);
  dup2(sockets[0], STDIN_FILENO);
  DWORD socket_type = GetFileType(GetStdHandle(STD_INPUT_HANDLE));
  dup2(saved, STDIN_FILENO);
  close(saved);
  EXPECT_EQ(socket_type, FILE_TYPE_PIPE);

  EXPECT_EQ(GetFileType(nullptr), FILE_TYPE_UNKNOWN);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  for (int descriptor : {pipe_ends[0], pipe_ends[1], sockets[0], sockets[1], terminal}) close(descriptor);
}

TEST(KernelFile, WritingToAFullDeviceReportsDiskFull) {
  HANDLE full = CreateFileA("/dev/full", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(full, INVALID_HANDLE_VALUE);
  DWORD written = 99;
  EXPECT_FALSE(WriteFile(full, "abc", 3, &written, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
  EXPECT_EQ(written, 0u);
  CloseHandle(full);
}

TEST(KernelFile, WritingToAPipeWithoutReaderReportsBrokenPipeWithoutASignal) {
  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  HANDLE writer = open_descriptor(pipe_ends[1], GENERIC_WRITE);
  close(pipe_ends[1]);
  close(pipe_ends[0]);
  DWORD written = 0;
  EXPECT_FALSE(WriteFile(writer, "abc", 3, &written, nullptr));  // would die of SIGPIPE otherwise
  EXPECT_EQ(GetLastError(), ERROR_BROKEN_PIPE);
  sigset_t pending;
  sigpending(&pending);
  EXPECT_FALSE(sigismember(&pending, SIGPIPE));
  CloseHandle(writer);
}

TEST(KernelFile, EndOfInputIsSuccessWithZeroBytes) {
  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  ASSERT_EQ(write(pipe_ends[1], "ab", 2), 2);
  close(pipe_ends[1]);
  HANDLE reader = open_descriptor(pipe_ends[0], GENERIC_READ);
  close(pipe_ends[0]);
  char buffer[8];
  DWORD count = 0;
  EXPECT_TRUE(ReadFile(reader, buffer, sizeof buffer, &count, nullptr));
  EXPECT_EQ(count, 2u);
  count = 99;
  EXPECT_TRUE(ReadFile(reader, buffer, sizeof buffer, &count, nullptr));
  EXPECT_EQ(count, 0u);
  CloseHandle(reader);
}

struct Drain {
  int descriptor;
  std::vector<char> received;
};

DWORD drain_pipe(void* parameter) {
  auto* drain = static_cast<Drain*>(parameter);
  char buffer[4096];
  for (;;) {
    ssize_t count = read(drain->descriptor, buffer, sizeof buffer);
    if (count <= 0) return 0;
    drain->received.insert(drain->received.end(), buffer, buffer + count);
  }
}

TEST(KernelFile, WriteDeliversEverythingThroughPartialWritesOnANonBlockingPipe) {
  int pipe_ends[2];
  ASSERT_EQ(pipe(pipe_ends), 0);
  ASSERT_EQ(fcntl(pipe_ends[1], F_SETFL, O_NONBLOCK), 0);
  Drain drain{pipe_ends[0], {}};
  HANDLE reader = CreateThread(nullptr, 0, drain_pipe, &drain, 0, nullptr);

  std::vector<char> data(1 << 20);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 + i / 251);
  // The standard error handle writes to whatever descriptor 2 is: for this
  // write, the non-blocking pipe, far smaller than the data.
  int saved = dup(STDERR_FILENO);
  dup2(pipe_ends[1], STDERR_FILENO);
  close(pipe_ends[1]);
  DWORD written = 0;
  BOOL ok = WriteFile(GetStdHandle(STD_ERROR_HANDLE), data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
  dup2(saved, STDERR_FILENO);
  close(saved);
  EXPECT_TRUE(ok);
  EXPECT_EQ(written, data.size());
  WaitForSingleObject(reader, INFINITE);
  CloseHandle(reader);
  close(pipe_ends[0]);
  EXPECT_EQ(drain.received, data);
}

TEST(KernelFile, SetFilePointerMovesWithinTheFile) {
  ScratchDirectory directory;
  write_text(directory.file("ten"), "0123456789");
  HANDLE file = CreateFileA(directory.file("ten").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_EQ(SetFilePointer(file, 3, nullptr, FILE_BEGIN), 3u);
  EXPECT_EQ(SetFilePointer(file, -2, nullptr, FILE_END), 8u);
  EXPECT_EQ(read_text(file), "89");
  LONG high = 0;
  EXPECT_EQ(SetFilePointer(file, 1, &high, FILE_BEGIN), 1u);
  EXPECT_EQ(high, 0);
  EXPECT_EQ(SetFilePointer(file, -20, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
  CloseHandle(file);
}

TEST(KernelStdHandles, StableHandlesForTheThreeDescriptors) {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  EXPECT_EQ(GetStdHandle(STD_OUTPUT_HANDLE), output);
  EXPECT_NE(GetStdHandle(STD_INPUT_HANDLE), output);
  EXPECT_NE(GetStdHandle(STD_ERROR_HANDLE), output);
  EXPECT_EQ(GetStdHandle(5), INVALID_HANDLE_VALUE);
}

std::string OpenedName;
DWORD OpenedAccess = 0;

HANDLE fake_console_opener(const char* name, DWORD access) {
  OpenedName = name;
  OpenedAccess = access;
  return GetStdHandle(STD_OUTPUT_HANDLE);
}

TEST(KernelFile, ConsoleDevicesGoToTheInstalledOpener) {
  ASSERT_EQ(detail::console_device_opener.load(), nullptr);
  EXPECT_EQ(CreateFileA("CONOUT$", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);

  detail::console_device_opener = fake_console_opener;
  EXPECT_EQ(CreateFileA("conout$", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr),
            GetStdHandle(STD_OUTPUT_HANDLE));
  EXPECT_EQ(OpenedName, "conout$");
  EXPECT_EQ(OpenedAccess, GENERIC_READ | GENERIC_WRITE);
  detail::console_device_opener = nullptr;
}

}  // namespace
