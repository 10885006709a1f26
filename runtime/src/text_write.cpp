// Writing text and numbers through the buffer and the hooks.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace runtime {

namespace {

// The file is ready for output; otherwise InOutRes says why not.
bool ReadyForOutput(const TextRec& file) {
  if (InOutRes != 0) return false;
  if (file.Mode == FileMode::Output) return true;
  const RunErrorCode code = file.Mode == FileMode::Input    ? RunErrorCode::FileNotOpenForOutput
                            : file.Mode == FileMode::Closed ? RunErrorCode::FileNotOpen
                                                            : RunErrorCode::FileNotAssigned;
  InOutRes = static_cast<std::uint16_t>(code);
  return false;
}

bool Transfer(TextRec& file) {
  const std::int32_t result = file.TransferHook != nullptr ? file.TransferHook(file) : 0;
  if (result != 0) InOutRes = static_cast<std::uint16_t>(result);
  return result == 0;
}

void PutBytes(TextRec& file, const char* bytes, std::size_t count) {
  while (count > 0) {
    if (file.BufferPos >= file.BufferSize && !Transfer(file)) return;
    const auto room = static_cast<std::size_t>(file.BufferSize - file.BufferPos);
    const std::size_t chunk = count < room ? count : room;
    std::copy_n(bytes, chunk, file.BufferPtr + file.BufferPos);
    file.BufferPos += static_cast<std::int32_t>(chunk);
    bytes += chunk;
    count -= chunk;
  }
  if (file.BufferPos >= file.BufferSize) Transfer(file);
}

void PutPadding(TextRec& file, int width, std::size_t length) {
  static constexpr char kBlanks[] = "                                ";
  for (auto missing = width > 0 ? static_cast<std::size_t>(width) : 0; missing > length;) {
    const std::size_t chunk = std::min(missing - length, sizeof kBlanks - 1);
    PutBytes(file, kBlanks, chunk);
    missing -= chunk;
  }
}

void PutField(TextRec& file, std::string_view text, int width) {
  if (!ReadyForOutput(file)) return;
  PutPadding(file, width, text.size());
  PutBytes(file, text.data(), text.size());
}

// Scientific notation with a blank or minus for the sign and a four-digit
// exponent: " 1.500000000000000E+0000".
std::string_view FormatScientific(long double value, char (&buffer)[48]) {
  char mantissa[40];
  const int length = std::snprintf(mantissa, sizeof mantissa, "%.15Le", std::fabs(value));
  const std::string_view text(mantissa, static_cast<std::size_t>(length));
  const std::size_t e = text.find('e');
  const int exponent = std::atoi(mantissa + e + 1);
  const int written = std::snprintf(buffer, sizeof buffer, "%c%.*sE%c%04d", std::signbit(value) ? '-' : ' ',
                                    static_cast<int>(e), mantissa, exponent < 0 ? '-' : '+', std::abs(exponent));
  return {buffer, static_cast<std::size_t>(written)};
}

}  // namespace

void Write(TextRec& file, std::string_view text) {
  PutField(file, text, 0);
}

void Write(TextRec& file, const char* text) {
  PutField(file, text, 0);
}

void Write(TextRec& file, char c) {
  PutField(file, std::string_view(&c, 1), 0);
}

void Write(TextRec& file, bool value) {
  PutField(file, value ? "TRUE" : "FALSE", 0);
}

void WriteInteger(TextRec& file, std::int64_t value, int width) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  PutField(file, std::string_view(digits, static_cast<std::size_t>(end - digits)), width);
}

void WriteUnsigned(TextRec& file, std::uint64_t value, int width) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  PutField(file, std::string_view(digits, static_cast<std::size_t>(end - digits)), width);
}

void Write(TextRec& file, long double value, int width, int decimals) {
  char buffer[48];
  std::string_view text;
  if (std::isnan(value)) {
    text = "Nan";
  } else if (std::isinf(value)) {
    text = value < 0 ? "-Inf" : "+Inf";
  } else if (decimals >= 0) {
    const auto precision = decimals < 30 ? decimals : 30;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    // A value too long for the field buffer is written in scientific form.
    text = result.ec == std::errc{} ? std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer))
                                    : FormatScientific(value, buffer);
  } else {
    text = FormatScientific(value, buffer);
  }
  PutField(file, text, width);
}

void WriteLn(TextRec& file) {
  if (!ReadyForOutput(file)) return;
  PutBytes(file, "\r\n", 2);
  if (InOutRes != 0 || file.FlushHook == nullptr) return;
  if (const std::int32_t result = file.FlushHook(file); result != 0) InOutRes = static_cast<std::uint16_t>(result);
}

}  // namespace runtime
