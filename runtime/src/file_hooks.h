// The hooks of files that live on an operating-system handle: named files
// and the standard files.
#pragma once

#include "runtime/text_file.h"

namespace runtime::detail {

std::int32_t FileOpen(TextRec& file);    // the OpenHook that Assign installs
std::int32_t FileRead(TextRec& file);    // ReadFile into the buffer
std::int32_t FileWrite(TextRec& file);   // WriteFile of the buffer, transfer and flush hook
std::int32_t FileClose(TextRec& file);   // CloseHandle
std::int32_t StdClose(TextRec& file);    // a standard file keeps its handle

// Puts `file` on `handle` with the hooks for `mode` (Input or Output).
void OpenOnHandle(TextRec& file, win32::HANDLE handle, FileMode mode, TextHook closeHook);

}  // namespace runtime::detail
