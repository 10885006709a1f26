// A small program on the console library for the pseudo-terminal tests:
// it starts as every program of the system does and then does one thing.
//
//   console_probe line FILE       one line through the line editor; FILE gets the buffer
//   console_probe line-eof FILE   the same with CheckEOF set
//   console_probe readln          ReadLn(Input), as the demonstrations end
//   console_probe keys N FILE     N ReadKey results into FILE
//   console_probe write TEXT      TEXT and a line end on Output, "plain" on StdOut
//   console_probe runerror        run-time error 201 after start-up
//   console_probe wait            Delay until a signal ends the program
//   console_probe no-console      start-up on a platform whose console cannot be opened
//   console_probe screen FILE STEP...
//                                 text-screen routines, one STEP each: text:T (Write, no
//                                 line end), line (WriteLn), clrscr, clreol, insline, delline,
//                                 high, low, norm, goto:X,Y, window:L,T,R,B, color:C,
//                                 background:C, where (FILE gets "WhereX,WhereY ")
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/console.h"
#include "kernel/console_devices.h"
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace {

int ArgumentCount;
char** Arguments;

std::string_view Argument(int i) { return i < ArgumentCount ? Arguments[i] : ""; }

void SaveTo(std::string_view path, const char* data, std::size_t size) {
  const int fd = open(std::string(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) std::exit(90);
  if (size > 0 && write(fd, data, size) != static_cast<ssize_t>(size)) std::exit(91);
  close(fd);
}

// The numbers of "name:1,2,3"; none without a colon.
std::vector<std::int32_t> Numbers(std::string_view step) {
  std::vector<std::int32_t> numbers;
  if (step.find(':') == std::string_view::npos) return numbers;
  const char* p = step.data() + step.find(':') + 1;
  const char* end = step.data() + step.size();
  while (p < end) {
    std::int32_t n = 0;
    p = std::from_chars(p, end, n).ptr + 1;
    numbers.push_back(n);
  }
  return numbers;
}

void RunScreenSteps(std::string_view reportFile, int firstStep) {
  static const std::pair<std::string_view, void (*)()> kPlainSteps[] = {
      {"line", [] { runtime::WriteLn(runtime::Output); }},
      {"clrscr", &console::ClrScr},
      {"clreol", &console::ClrEol},
      {"insline", &console::InsLine},
      {"delline", &console::DelLine},
      {"high", &console::HighVideo},
      {"low", &console::LowVideo},
      {"norm", &console::NormVideo}};
  std::string report;
  for (int i = firstStep; i < ArgumentCount; ++i) {
    const std::string_view step = Argument(i);
    const std::string_view name = step.substr(0, step.find(':'));
    const auto plain = std::find_if(std::begin(kPlainSteps), std::end(kPlainSteps),
                                    [&](const auto& entry) { return entry.first == name; });
    const std::vector<std::int32_t> n = Numbers(step);
    if (plain != std::end(kPlainSteps)) {
      plain->second();
    } else if (name == "text") {
      runtime::Write(runtime::Output, step.substr(5));
    } else if (name == "goto") {
      console::GotoXY(n.at(0), n.at(1));
    } else if (name == "window") {
      console::Window(n.at(0), n.at(1), n.at(2), n.at(3));
    } else if (name == "color") {
      console::TextColor(static_cast<std::uint8_t>(n.at(0)));
    } else if (name == "background") {
      console::TextBackground(static_cast<std::uint8_t>(n.at(0)));
    } else if (name == "where") {
      report += std::to_string(console::WhereX()) + "," + std::to_string(console::WhereY()) + " ";
    } else {
      runtime::Halt(2);
    }
  }
  runtime::Flush(runtime::Output);
  SaveTo(reportFile, report.data(), report.size());
}

void ProbeBody() {
  runtime::InitializeUnits();
  const std::string_view what = Argument(1);
  if (what == "line" || what == "line-eof") {
    console::CheckEOF = what == "line-eof";
    runtime::TextRec& in = runtime::Input;
    in.TransferHook(in);
    SaveTo(Argument(2), in.BufferPtr, static_cast<std::size_t>(in.BufferEnd));
  } else if (what == "readln") {
    runtime::ReadLn(runtime::Input);
  } else if (what == "keys") {
    std::string keys;
    for (int n = std::atoi(std::string(Argument(2)).c_str()); n > 0; --n) keys += static_cast<char>(console::ReadKey());
    SaveTo(Argument(3), keys.data(), keys.size());
  } else if (what == "write") {
    runtime::WriteLn(runtime::Output, Argument(2));
    runtime::WriteLn(runtime::StdOut, "plain");
  } else if (what == "runerror") {
    runtime::RunError(201);
  } else if (what == "screen") {
    RunScreenSteps(Argument(2), 3);
  } else if (what == "wait") {
    for (;;) console::Delay(50);
  } else if (what != "no-console") {
    runtime::Halt(2);
  }
}

}  // namespace

int main(int argc, char** argv) {
  ArgumentCount = argc;
  Arguments = argv;
  if (Argument(1) == "no-console") win32::detail::console_device_opener.store(nullptr);
  runtime::RunProgram(&ProbeBody);
}
