#include "file_hooks.h"

#include "platform/kernel.h"

namespace runtime::detail {

namespace {

std::int32_t LastOsError() {
  return MapOsError(win32::GetLastError());
}

void InstallHandleHooks(TextRec& file, FileMode mode, TextHook closeHook) {
  if (mode == FileMode::Input) {
    file.TransferHook = &FileRead;
    file.FlushHook = nullptr;
  } else {
    file.TransferHook = &FileWrite;
    file.FlushHook = &FileWrite;
  }
  file.CloseHook = closeHook;
}

}  // namespace

void OpenOnHandle(TextRec& file, win32::HANDLE handle, FileMode mode, TextHook closeHook) {
  Assign(file, "");
  file.Handle = handle;
  file.Mode = mode;
  InstallHandleHooks(file, mode, closeHook);
}

std::int32_t FileOpen(TextRec& file) {
  const bool input = file.Mode == FileMode::Input;
  if (file.Name[0] == '\0') {
    // The empty name stands for the process's standard input or output.
    file.Handle = win32::GetStdHandle(input ? win32::STD_INPUT_HANDLE : win32::STD_OUTPUT_HANDLE);
    InstallHandleHooks(file, file.Mode, &StdClose);
    return 0;
  }
  const win32::HANDLE handle =
      win32::CreateFileA(file.Name, input ? win32::GENERIC_READ : win32::GENERIC_WRITE, win32::FILE_SHARE_READ,
                         nullptr, input ? win32::OPEN_EXISTING : win32::CREATE_ALWAYS, win32::FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (handle == win32::INVALID_HANDLE_VALUE) return LastOsError();
  file.Handle = handle;
  InstallHandleHooks(file, file.Mode, &FileClose);
  return 0;
}

std::int32_t FileRead(TextRec& file) {
  win32::DWORD read = 0;
  file.BufferPos = 0;
  file.BufferEnd = 0;
  if (!win32::ReadFile(file.Handle, file.BufferPtr, static_cast<win32::DWORD>(file.BufferSize), &read, nullptr)) {
    // A pipe whose writer has gone is the end of the input.
    if (win32::GetLastError() == win32::ERROR_BROKEN_PIPE) return 0;
    return LastOsError();
  }
  file.BufferEnd = static_cast<std::int32_t>(read);
  return 0;
}

std::int32_t FileWrite(TextRec& file) {
  const auto pending = static_cast<win32::DWORD>(file.BufferPos);
  file.BufferPos = 0;
  if (pending == 0) return 0;
  win32::DWORD written = 0;
  if (!win32::WriteFile(file.Handle, file.BufferPtr, pending, &written, nullptr)) return LastOsError();
  // The platform writes everything or fails; a short write is a device fault.
  if (written != pending) return MapOsError(win32::ERROR_WRITE_FAULT);
  return 0;
}

std::int32_t FileClose(TextRec& file) {
  if (!win32::CloseHandle(file.Handle)) return LastOsError();
  file.Handle = win32::INVALID_HANDLE_VALUE;
  return 0;
}

std::int32_t StdClose(TextRec&) {
  return 0;
}

}  // namespace runtime::detail
