#include "subprocess.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace runtime_test {

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

std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
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

void Decode(int status, ChildResult& result) {
  result.exited = WIFEXITED(status);
  result.exitCode = result.exited ? WEXITSTATUS(status) : -1;
  result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

// The two files that collect a child's standard output and error, removed
// when done with.
class OutputFiles {
 public:
  OutputFiles() : outputFd(mkstemp(outputPath)), errorsFd(mkstemp(errorsPath)) {}
  ~OutputFiles() {
    close(outputFd);
    close(errorsFd);
    unlink(outputPath);
    unlink(errorsPath);
  }
  OutputFiles(const OutputFiles&) = delete;
  OutputFiles& operator=(const OutputFiles&) = delete;

  void ReadInto(ChildResult& result) const {
    result.rawOutput = ReadFile(outputPath);
    result.output = WithoutCarriageReturns(result.rawOutput);
    result.errors = ReadFile(errorsPath);
  }

  char outputPath[29] = "/tmp/runtime-test-out-XXXXXX";
  char errorsPath[29] = "/tmp/runtime-test-err-XXXXXX";
  const int outputFd;
  const int errorsFd;
};

}  // namespace

ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments, OutputKind kind) {
  const OutputFiles files;
  int status = 0;
  if (kind == OutputKind::File) {
    const pid_t pid = fork();
    if (pid == 0) {
      dup2(files.outputFd, STDOUT_FILENO);
      dup2(files.errorsFd, STDERR_FILENO);
      Exec(program, arguments);
    }
    waitpid(pid, &status, 0);
  } else {
    int master = -1;
    const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
    if (pid == 0) {
      dup2(files.errorsFd, STDERR_FILENO);
      Exec(program, arguments);
    }
    const std::string terminalText = ReadAll(master);
    close(master);
    waitpid(pid, &status, 0);
    std::ofstream(files.outputPath, std::ios::binary) << terminalText;
  }
  ChildResult result;
  Decode(status, result);
  files.ReadInto(result);
  return result;
}

ChildResult RunWithClosedStreams(const std::string& program, const std::vector<std::string>& arguments,
                                 const std::vector<int>& closed) {
  const OutputFiles files;
  int input[2];
  if (pipe(input) != 0) return {};
  close(input[1]);  // an open standard input is already at its end
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(input[0], STDIN_FILENO);
    dup2(files.outputFd, STDOUT_FILENO);
    dup2(files.errorsFd, STDERR_FILENO);
    for (const int descriptor : {input[0], files.outputFd, files.errorsFd}) {
      if (descriptor > STDERR_FILENO) close(descriptor);
    }
    for (const int descriptor : closed) close(descriptor);
    Exec(program, arguments);
  }
  close(input[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  ChildResult result;
  Decode(status, result);
  files.ReadInto(result);
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace runtime_test
