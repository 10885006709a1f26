// Every process-wide variable of the program runtime, in one place.
#include "system_state.h"

#include "runtime/text_file.h"

namespace runtime {

bool IsConsole = true;
bool IsLibrary = false;
ProcedurePtr ExitProc = nullptr;
std::uint16_t ExitCode = 0;
std::uint16_t ErrorCode = 0;
const void* ErrorAddr = nullptr;
const void* ErrorBase = nullptr;
ErrorProcPtr ErrorProc = nullptr;
std::uint16_t InOutRes = 0;
std::uint16_t MaxFrameDump = 8;
std::uint16_t FPUCW = kProgramControlWord;

TextRec Input{};
TextRec Output{};
TextRec StdOut{};
TextRec StdErr{};

namespace detail {

// Constant-initialised, so that libraries may register from their own static
// initialisation in any order.
constinit LibraryTableRec LibraryTable = {
    kLibraryCount,
    0,
    {
        {&InitSystemRuntime, nullptr},
        {nullptr, nullptr},  // object support: the system keeps no object state
        {&InitOsUtilities, &FinalizeOsUtilities},
        {nullptr, nullptr},  // console library, filled by its header
        {nullptr, nullptr},  // graphics library, filled by its header
    },
};

PendingException PendingExceptions[kMaxPendingExceptions] = {};
volatile std::uint8_t ExceptionLevel = 0;

win32::DWORD ProgramThreadId = 0;
std::uintptr_t ProgramStackLow = 0;
std::uintptr_t ProgramStackTop = 0;
std::uintptr_t ProgramFrameTop = 0;
std::uintptr_t DumpStackLow = 0;

}  // namespace detail

}  // namespace runtime
