// Runs the console probe as a child process: on a pseudo-terminal of its
// own (as its controlling terminal, with the test typing into it), or with
// no terminal at all and standard input from a pipe.
#pragma once

#include <sys/types.h>
#include <termios.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace console::testing_support {

using namespace std::chrono_literals;

struct ExitStatus {
  bool signalled = false;
  int code = 0;  // the exit code, or the signal number when signalled
};

// A terminal's size, and a cell on it (1-based, as a terminal reports it).
struct TerminalSize {
  unsigned short columns = 80;
  unsigned short rows = 24;
};
struct CellPosition {
  int row = 3;
  int column = 5;
};

class PtyChild {
 public:
  enum class Group { SessionLeader, ForegroundJob };

  // Starts the probe with `arguments` on a terminal of `size`;
  // `stdoutFile`, when not empty, receives its standard output instead of
  // the terminal. As a foreground job the probe runs in a process group of
  // its own below a setsid() leader, as under a shell, so that job-control
  // signals stop it.
  explicit PtyChild(const std::vector<std::string>& arguments, const std::string& stdoutFile = "",
                    Group group = Group::SessionLeader, TerminalSize size = {});
  ~PtyChild();
  PtyChild(const PtyChild&) = delete;
  PtyChild& operator=(const PtyChild&) = delete;

  // Waits until the probe has put the terminal into raw mode and asked for
  // the cursor position, and answers with `cursor` (row 3, column 5).
  [[nodiscard]] bool WaitUntilReading(CellPosition cursor = {}, std::chrono::milliseconds timeout = 5s);
  void Type(std::string_view bytes);
  // Collects output until `text` has appeared or the time is up.
  [[nodiscard]] bool WaitForOutput(std::string_view text, std::chrono::milliseconds timeout = 5s);
  [[nodiscard]] std::optional<ExitStatus> WaitForExit(std::chrono::milliseconds timeout = 10s);
  // Sends `signal` to the terminal's foreground process group.
  void Signal(int signal) const;

  [[nodiscard]] const std::string& Output() const { return output_; }
  [[nodiscard]] const termios& SettingsAtStart() const { return settingsAtStart_; }
  [[nodiscard]] termios SettingsNow() const;

 private:
  // Reads what the probe wrote, waiting up to `wait` for it; false when
  // nothing came.
  bool Collect(std::chrono::milliseconds wait);

  int master_ = -1;
  int slave_ = -1;
  pid_t pid_ = -1;
  bool exited_ = false;
  std::string output_;
  termios settingsAtStart_{};
};

enum class PipeEnd { Closed, LeftOpen };

// Runs the probe without any terminal (after setsid(), so /dev/tty cannot
// open): standard input from a pipe that holds `input` and is then closed
// or left open until the probe ends, standard output to `stdoutFile` and
// standard error to `stdoutFile` + ".stderr".
// Gives up (killing it) after `timeout`.
[[nodiscard]] std::optional<ExitStatus> RunWithoutTerminal(const std::vector<std::string>& arguments,
                                                           std::string_view input, PipeEnd end,
                                                           const std::string& stdoutFile,
                                                           std::chrono::milliseconds timeout = 10s);

// The settings that `stty -g` prints: flags and control characters.
[[nodiscard]] bool SameSettings(const termios& a, const termios& b);

// A file name in the test's scratch directory (removed when the tests
// end), and the content of a file.
[[nodiscard]] std::string ScratchFile(std::string_view name);
void RemoveScratchFiles();
[[nodiscard]] std::string ReadFile(const std::string& path);

}  // namespace console::testing_support
