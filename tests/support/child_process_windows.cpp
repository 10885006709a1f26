// Child processes with CreateProcessA: the command line quoted as the C
// runtime splits it, the environment block made from this process's own.
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "child_process.h"
#include "child_process_files.h"
#include "environment.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace test_support {

namespace {

// One argument as the C runtime reads it back: quoted, with the backslashes
// before a quote doubled.
std::string Quoted(const std::string& argument) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + "\"";
}

std::string EnvironmentBlock(const ChildOptions& options) {
  std::string block;
  char* strings = ::GetEnvironmentStringsA();
  for (const char* entry = strings; *entry != '\0'; entry += std::string_view(entry).size() + 1) {
    const std::string_view text(entry);
    const std::string_view name = text.substr(0, text.find('=', 1));
    bool changed = false;
    for (const auto& change : options.environment) changed = changed || ::lstrcmpiA(change.first.c_str(), std::string(name).c_str()) == 0;
    if (!changed) block.append(text).push_back('\0');
  }
  ::FreeEnvironmentStringsA(strings);
  for (const auto& [name, value] : options.environment) {
    if (value) block.append(name + "=" + *value).push_back('\0');
  }
  block.push_back('\0');
  return block;
}

HANDLE InheritableFile(const std::string& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE file = ::CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
  return file;
}

}  // namespace

struct Child::Process {
  HANDLE process = nullptr;
  OutputFiles files;
};

Child::Child(const std::string& program, const ChildOptions& options) : process_(std::make_unique<Process>()) {
  // The input goes through a file: the child reads it as a stream that
  // ends, as it would read a pipe whose writer has closed it.
  const std::string inputPath = process_->files.directory + "/stdin.txt";
  const HANDLE inputWriter = InheritableFile(inputPath, GENERIC_WRITE, CREATE_ALWAYS);
  DWORD written = 0;
  ::WriteFile(inputWriter, options.input.data(), static_cast<DWORD>(options.input.size()), &written, nullptr);
  ::CloseHandle(inputWriter);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = InheritableFile(inputPath, GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = InheritableFile(process_->files.output, GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = InheritableFile(process_->files.errors, GENERIC_WRITE, CREATE_ALWAYS);

  for (const int stream : options.closed) {
    HANDLE& handle = stream == 0 ? startup.hStdInput : (stream == 1 ? startup.hStdOutput : startup.hStdError);
    ::CloseHandle(handle);
    handle = nullptr;
  }

  std::string commandLine = Quoted(program);
  for (const std::string& argument : options.arguments) commandLine += " " + Quoted(argument);
  std::string environment = EnvironmentBlock(options);
  PROCESS_INFORMATION started{};
  const BOOL created = ::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        environment.data(), options.folder.empty() ? nullptr : options.folder.c_str(),
                                        &startup, &started);
  ::CloseHandle(startup.hStdInput);
  ::CloseHandle(startup.hStdOutput);
  ::CloseHandle(startup.hStdError);
  if (!created) throw std::runtime_error("cannot start " + program);
  ::CloseHandle(started.hThread);
  process_->process = started.hProcess;
}

Child::~Child() {
  if (process_->process != nullptr) (void)Wait();
}

ChildOutcome Child::Wait() {
  ChildOutcome outcome;
  ::WaitForSingleObject(process_->process, INFINITE);
  DWORD code = 0;
  if (::GetExitCodeProcess(process_->process, &code)) {
    outcome.exited = true;
    outcome.exitCode = static_cast<int>(code);
  }
  ::CloseHandle(process_->process);
  process_->process = nullptr;
  process_->files.Collect(&outcome);
  return outcome;
}

void SetVariable(const std::string& name, const std::string& value) { ::_putenv_s(name.c_str(), value.c_str()); }

// An empty value removes the variable from a Windows environment.
void UnsetVariable(const std::string& name) { ::_putenv_s(name.c_str(), ""); }

}  // namespace test_support
