// ReadLn without variables: the rest of the line is skipped.
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace runtime {

namespace {

bool ReadyForInput(const TextRec& file) {
  if (InOutRes != 0) return false;
  if (file.Mode == FileMode::Input) return true;
  const RunErrorCode code = file.Mode == FileMode::Output   ? RunErrorCode::FileNotOpenForInput
                            : file.Mode == FileMode::Closed ? RunErrorCode::FileNotOpen
                                                            : RunErrorCode::FileNotAssigned;
  InOutRes = static_cast<std::uint16_t>(code);
  return false;
}

bool CallHook(TextHook hook, TextRec& file) {
  const std::int32_t result = hook != nullptr ? hook(file) : 0;
  if (result != 0) InOutRes = static_cast<std::uint16_t>(result);
  return result == 0;
}

// Makes sure a byte is waiting. False at the end of the input (after the
// flush hook has been told) or on an error.
bool Fill(TextRec& file) {
  if (file.BufferPos < file.BufferEnd) return true;
  if (!CallHook(file.TransferHook, file)) return false;
  if (file.BufferPos < file.BufferEnd) return true;
  CallHook(file.FlushHook, file);
  return false;
}

}  // namespace

void ReadLn(TextRec& file) {
  if (!ReadyForInput(file)) return;
  while (Fill(file)) {
    const char c = file.BufferPtr[file.BufferPos++];
    if (c == '\n') return;
    if (c == '\r') {
      // A line feed directly behind the carriage return belongs to it.
      if (Fill(file) && file.BufferPtr[file.BufferPos] == '\n') ++file.BufferPos;
      return;
    }
  }
}

}  // namespace runtime
