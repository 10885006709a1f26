// Binding, opening and closing text files.
#include <algorithm>
#include <cstring>

#include "file_hooks.h"
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace runtime {

namespace {

bool IsOpen(FileMode mode) {
  return mode == FileMode::Input || mode == FileMode::Output || mode == FileMode::InOut;
}

bool IsKnown(FileMode mode) {
  return mode == FileMode::Closed || IsOpen(mode);
}

void SetResult(RunErrorCode code) {
  InOutRes = static_cast<std::uint16_t>(code);
}

void Open(TextRec& file, FileMode mode) {
  if (InOutRes != 0) return;
  if (!IsKnown(file.Mode)) return SetResult(RunErrorCode::FileNotAssigned);
  if (IsOpen(file.Mode)) {
    Close(file);
    if (InOutRes != 0) return;
  }
  file.Mode = mode;
  file.BufferPos = 0;
  file.BufferEnd = 0;
  const std::int32_t result = file.OpenHook != nullptr ? file.OpenHook(file) : 0;
  if (result != 0) {
    file.Mode = FileMode::Closed;
    InOutRes = static_cast<std::uint16_t>(result);
  }
}

}  // namespace

void Assign(TextRec& file, std::string_view name) {
  std::memset(&file, 0, sizeof file);
  file.Mode = FileMode::Closed;
  file.BufferSize = kTextBufferSize;
  file.BufferPtr = file.InlineBuffer;
  file.OpenHook = &detail::FileOpen;
  const std::size_t kept = std::min(name.size(), kFileNameSize - 1);
  std::memcpy(file.Name, name.data(), kept);
}

void Reset(TextRec& file) {
  Open(file, FileMode::Input);
}

void Rewrite(TextRec& file) {
  Open(file, FileMode::Output);
}

void Flush(TextRec& file) {
  if (InOutRes != 0) return;
  if (file.Mode != FileMode::Output) {
    return SetResult(file.Mode == FileMode::Input ? RunErrorCode::FileNotOpenForOutput : RunErrorCode::FileNotOpen);
  }
  if (file.BufferPos == 0 || file.TransferHook == nullptr) return;
  if (const std::int32_t result = file.TransferHook(file); result != 0) InOutRes = static_cast<std::uint16_t>(result);
}

void Close(TextRec& file) {
  if (InOutRes != 0) return;
  if (!IsOpen(file.Mode)) {
    return SetResult(file.Mode == FileMode::Closed ? RunErrorCode::FileNotOpen : RunErrorCode::FileNotAssigned);
  }
  // Buffered output is written before the file goes; the file is closed
  // even when that fails, and the first error is the one kept.
  std::int32_t result = 0;
  if (file.Mode == FileMode::Output && file.BufferPos > 0 && file.TransferHook != nullptr)
    result = file.TransferHook(file);
  const std::int32_t closed = file.CloseHook != nullptr ? file.CloseHook(file) : 0;
  if (result == 0) result = closed;
  file.Mode = FileMode::Closed;
  if (result != 0) InOutRes = static_cast<std::uint16_t>(result);
}

std::uint16_t MapOsError(std::uint32_t osError) {
  if (osError >= 19 && osError <= 31) return static_cast<std::uint16_t>(osError + 131);
  if (osError == 32) return static_cast<std::uint16_t>(RunErrorCode::AccessDenied);
  return static_cast<std::uint16_t>(osError);
}

}  // namespace runtime
