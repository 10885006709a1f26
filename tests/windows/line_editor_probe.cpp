// One line through the console library's line editor in a real console:
// the program starts as every program of the system does, shows a prompt,
// and saves the line that the editor returns (with its 13 10) to the file
// named by its argument.
#include <string_view>

#include "console/console.h"
#include "runtime/runtime.h"
#include "runtime/text_file.h"

namespace {

const char* LinePath = nullptr;

void ProbeBody() {
  runtime::InitializeUnits();
  runtime::Write(runtime::Output, "line? ");
  runtime::Flush(runtime::Output);
  runtime::TextRec& in = runtime::Input;
  in.TransferHook(in);
  runtime::TextRec saved;
  runtime::Assign(saved, LinePath);
  runtime::Rewrite(saved);
  runtime::Write(saved, std::string_view(in.BufferPtr, static_cast<std::size_t>(in.BufferEnd)));
  runtime::Close(saved);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  LinePath = argv[1];
  runtime::RunProgram(&ProbeBody);
}
