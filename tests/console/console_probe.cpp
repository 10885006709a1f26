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
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

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
