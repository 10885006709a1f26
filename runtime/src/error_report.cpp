// The run-time error report and its stack dump.
#include <array>

#include "exit_sequence.h"
#include "platform/kernel.h"
#include "system_state.h"

namespace runtime::detail {

namespace {

constexpr std::size_t kFrameDumpLimit = 256;

}  // namespace

// Reads saved frame records of frames that may belong to code compiled
// without instrumentation or to a stack that has been left behind.
__attribute__((no_sanitize("address"))) std::size_t WalkFrames(std::uintptr_t frame, std::uintptr_t low,
                                                               std::uintptr_t high,
                                                               std::span<std::uintptr_t> out) {
  std::size_t count = 0;
  std::uintptr_t previous = 0;
  while (count < out.size()) {
    const bool inside = frame >= low && frame < high && high - frame >= 2 * sizeof(std::uintptr_t);
    if (!inside || frame % alignof(std::uintptr_t) != 0 || frame <= previous) break;
    const auto* record = reinterpret_cast<const std::uintptr_t*>(frame);
    if (record[1] != 0) out[count++] = record[1];
    previous = frame;
    frame = record[0];
  }
  return count;
}

std::size_t FormatAddress(std::uintptr_t address, char* buffer) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  int digits = 8;
  while (digits < 16 && (address >> (4 * digits)) != 0) ++digits;
  buffer[0] = '0';
  buffer[1] = 'x';
  for (int i = 0; i < digits; ++i) buffer[2 + i] = kDigits[(address >> (4 * (digits - 1 - i))) & 0xF];
  return 2 + static_cast<std::size_t>(digits);
}

void WriteErrorReport(TextRec& out) {
  char text[20];
  const auto address = reinterpret_cast<std::uintptr_t>(ErrorAddr);
  Write(out, "Runtime error ");
  Write(out, ErrorCode);
  Write(out, " at ");
  WriteLn(out, std::string_view(text, FormatAddress(address, text)));
  Write(out, "  ");
  WriteLn(out, std::string_view(text, FormatAddress(address, text)));

  std::size_t limit = kFrameDumpLimit;
  if (win32::GetFileType(out.Handle) == win32::FILE_TYPE_CHAR && MaxFrameDump < limit) limit = MaxFrameDump;
  std::array<std::uintptr_t, kFrameDumpLimit> returns{};
  const std::size_t count = DumpStackLow == 0 ? 0
                                              : WalkFrames(reinterpret_cast<std::uintptr_t>(ErrorBase), DumpStackLow,
                                                           ProgramFrameTop, std::span(returns).first(limit));
  for (std::size_t i = 0; i < count; ++i) {
    Write(out, "  ");
    WriteLn(out, std::string_view(text, FormatAddress(returns[i], text)));
  }
  WriteLn(out);
}

}  // namespace runtime::detail
