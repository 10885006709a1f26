// The system runtime's initialisation: the standard files on the process's
// standard handles.
#include "file_hooks.h"
#include "platform/kernel.h"
#include "system_state.h"

namespace runtime::detail {

void InitSystemRuntime() {
  const win32::HANDLE input = win32::GetStdHandle(win32::STD_INPUT_HANDLE);
  const win32::HANDLE output = win32::GetStdHandle(win32::STD_OUTPUT_HANDLE);
  const win32::HANDLE error = win32::GetStdHandle(win32::STD_ERROR_HANDLE);
  OpenOnHandle(Input, input, FileMode::Input, &StdClose);
  OpenOnHandle(Output, output, FileMode::Output, &StdClose);
  OpenOnHandle(StdOut, output, FileMode::Output, &StdClose);
  OpenOnHandle(StdErr, error, FileMode::Output, &StdClose);
  InOutRes = 0;
}

}  // namespace runtime::detail
