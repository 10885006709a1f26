// Children whose standard output is a pseudo-terminal, besides a file.
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "subprocess.h"
#include "subprocess_common.h"

namespace runtime_test {

const std::vector<OutputKind> kOutputKinds = {OutputKind::File, OutputKind::Terminal};

namespace {

std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0) {
      text.append(buffer, static_cast<std::size_t>(n));
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return text;  // end of file, or EIO once the terminal's last writer is gone
    }
  }
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

[[noreturn]] void Exec(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  std::perror("execv");
  _exit(127);
}

ChildResult RunInTerminal(const std::string& program, const std::vector<std::string>& arguments) {
  char errorsPath[] = "/tmp/runtime-test-err-XXXXXX";
  const int errorsFd = mkstemp(errorsPath);
  int master = -1;
  const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid == 0) {
    dup2(errorsFd, STDERR_FILENO);
    Exec(program, arguments);
  }
  ChildResult result;
  result.rawOutput = ReadAll(master);
  close(master);
  int status = 0;
  waitpid(pid, &status, 0);
  result.exited = WIFEXITED(status);
  result.exitCode = result.exited ? WEXITSTATUS(status) : -1;
  result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  result.errors = ReadFile(errorsPath);
  close(errorsFd);
  unlink(errorsPath);
  return WithoutCarriageReturns(result);
}

}  // namespace

ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments, OutputKind kind) {
  return kind == OutputKind::File ? RunChildToFile(program, arguments) : RunInTerminal(program, arguments);
}

bool EndedByAccessViolation(const ChildResult& result) { return !result.exited && result.signal == SIGSEGV; }

}  // namespace runtime_test
