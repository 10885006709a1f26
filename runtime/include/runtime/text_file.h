// Text files: the record, the standard files and the operations on them.
//
// A text file is a TextRec whose four hooks do the device work. Assign binds
// a record to a name (the file-opening hook), Reset/Rewrite open it, Write
// fills the 256-byte buffer and calls the transfer hook when it is full,
// WriteLn appends 13 10 and calls the flush hook, Close calls the close hook.
// Errors are recorded in InOutRes (see IOCheck in checks.h); while InOutRes
// is non-zero, text operations do nothing.
#pragma once

#include <concepts>
#include <cstdint>
#include <string_view>

#include "platform/win32_types.h"
#include "runtime/system.h"

namespace runtime {

enum class FileMode : std::uint32_t {
  Closed = 0xD7B0,
  Input = 0xD7B1,
  Output = 0xD7B2,
  InOut = 0xD7B3,
};

constexpr std::int32_t kTextBufferSize = 256;
constexpr std::size_t kFileNameSize = 256;

struct TextRec;

// Each hook takes the record and returns 0 on success or an I/O error number.
using TextHook = std::int32_t (*)(TextRec& file);

struct TextRec {
  win32::HANDLE Handle;
  FileMode Mode;
  std::int32_t BufferSize;
  std::uint32_t Private;   // reserved for the runtime
  std::int32_t BufferPos;  // next byte to read or to write
  std::int32_t BufferEnd;  // valid bytes of an input buffer
  char* BufferPtr;         // normally InlineBuffer
  TextHook OpenHook;       // called by Reset and Rewrite
  TextHook TransferHook;   // called with a full output buffer or an empty input buffer
  TextHook FlushHook;      // called after WriteLn and after an exhausted read
  TextHook CloseHook;      // called by Close
  std::uint8_t UserData[16];
  char Name[kFileNameSize];  // zero-terminated; empty for the standard files
  char InlineBuffer[kTextBufferSize];
};

// The standard files, opened by the system runtime's initialisation.
extern TextRec Input;
extern TextRec Output;
extern TextRec StdOut;
extern TextRec StdErr;

// Clears the record, marks it closed, points the buffer at InlineBuffer and
// installs the hook that opens the named file (names longer than 255
// characters are cut). An empty name stands for standard input or output.
void Assign(TextRec& file, std::string_view name);

void Reset(TextRec& file);    // open for input
void Rewrite(TextRec& file);  // create or truncate, open for output
void Close(TextRec& file);
void Flush(TextRec& file);

void Write(TextRec& file, std::string_view text);
void Write(TextRec& file, const char* text);
void Write(TextRec& file, char c);
void Write(TextRec& file, bool value);  // TRUE / FALSE
void WriteInteger(TextRec& file, std::int64_t value, int width = 0);
void WriteUnsigned(TextRec& file, std::uint64_t value, int width = 0);

template <std::integral T>
void Write(TextRec& file, T value, int width = 0) {
  if constexpr (std::signed_integral<T>)
    WriteInteger(file, value, width);
  else
    WriteUnsigned(file, value, width);
}

// Extended values: with `decimals` >= 0 in fixed notation with that many
// decimals, otherwise in scientific notation (" 1.500000000000000E+0000");
// right-aligned in `width` characters.
void Write(TextRec& file, long double value, int width = 0, int decimals = -1);
inline void Write(TextRec& file, double value, int width = 0, int decimals = -1) {
  Write(file, static_cast<long double>(value), width, decimals);
}

// Ends the line with 13 10 and calls the flush hook.
void WriteLn(TextRec& file);

template <typename... Items>
void WriteLn(TextRec& file, const Items&... items) {
  (Write(file, items), ...);
  WriteLn(file);
}

// Skips the rest of the current line (up to and including its end); the end
// of input ends it as well.
void ReadLn(TextRec& file);

// Operating-system error numbers as I/O results: 19..31 become 150..162,
// 32 becomes 5, every other number stays.
[[nodiscard]] std::uint16_t MapOsError(std::uint32_t osError);

}  // namespace runtime
