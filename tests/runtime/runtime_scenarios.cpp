// A program built on the runtime whose argument picks a scenario of start-up
// and exit; the tests run it as a child process and read its standard output.
// Slots 4 and 5 of the library table hold stand-in libraries that announce
// their initialisation and finalisation.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string_view>

#include "platform/kernel.h"
#include "runtime/runtime.h"

namespace {

using runtime::StdOut;
using runtime::WriteLn;

std::string_view Scenario;
const char* ReportPath = "";  // the scenario's second argument, where it has one

void InitConsoleStandIn() {
  WriteLn(StdOut, "init console");
  if (Scenario == "halt-in-init") runtime::Halt(1);
}
void FiniConsoleStandIn() { WriteLn(StdOut, "fini console"); }
void InitGraphicsStandIn() { WriteLn(StdOut, "init graphics"); }
void FiniGraphicsStandIn() { WriteLn(StdOut, "fini graphics"); }

const bool ConsoleRegistered =
    runtime::RegisterLibrary(runtime::LibrarySlot::Console, &InitConsoleStandIn, &FiniConsoleStandIn);
const bool GraphicsRegistered =
    runtime::RegisterLibrary(runtime::LibrarySlot::Graphics, &InitGraphicsStandIn, &FiniGraphicsStandIn);

runtime::ProcedurePtr ExitSaveA = nullptr;
runtime::ProcedurePtr ExitSaveB = nullptr;

void ExitProcA() {
  runtime::ExitProc = ExitSaveA;
  runtime::Write(StdOut, "exit A, InOutRes ");
  WriteLn(StdOut, runtime::InOutRes);
}

void ExitProcB() {
  runtime::ExitProc = ExitSaveB;
  runtime::Write(StdOut, "exit B, InOutRes ");
  WriteLn(StdOut, runtime::InOutRes);
  if (Scenario == "exit-proc-error") runtime::RunError(217);
}

void InstallExitProcs() {
  ExitSaveA = runtime::ExitProc;
  runtime::ExitProc = &ExitProcA;
  ExitSaveB = runtime::ExitProc;
  runtime::ExitProc = &ExitProcB;
}

void ReportErrorProc(std::uint16_t code, const void*, const void*) {
  runtime::Write(StdOut, "ErrorProc ");
  WriteLn(StdOut, code);
}

volatile long double Huge = 3.0e9L;
volatile std::int32_t Coordinate = 70000;

void RoundHuge() {
  WriteLn(StdOut, "rounded ", runtime::Round(Huge));
}

void SetControlWord(std::uint16_t word) {
  asm volatile("fldcw %0" : : "m"(word));
}

volatile int* volatile BadAddress = reinterpret_cast<volatile int*>(std::uintptr_t{16});

__attribute__((no_sanitize("address"))) win32::DWORD FaultingThread(void*) {
  return static_cast<win32::DWORD>(*BadAddress);
}

win32::DWORD RunErrorThread(void*) {
  runtime::RunError(201);
}

void RunThread(win32::LPTHREAD_START_ROUTINE start) {
  win32::HANDLE thread = win32::CreateThread(nullptr, 0, start, nullptr, 0, nullptr);
  win32::WaitForSingleObject(thread, win32::INFINITE);
  WriteLn(StdOut, "thread ended");
}

void Body() {
  runtime::InitializeUnits();
  WriteLn(StdOut, "body");
  if (Scenario == "order" || Scenario == "order-error" || Scenario == "exit-proc-error") {
    InstallExitProcs();
    runtime::InOutRes = 99;
    if (Scenario != "order") runtime::RunError(201);
  } else if (Scenario == "error-proc") {
    runtime::ErrorProc = &ReportErrorProc;
    static_cast<void>(runtime::RangeCheck(Coordinate, 0, 65535));
  } else if (Scenario == "round-huge") {
    RoundHuge();
  } else if (Scenario == "round-huge-masked") {
    SetControlWord(0x137F);  // every exception masked
    RoundHuge();
  } else if (Scenario == "round-nan") {
    Huge = std::numeric_limits<long double>::quiet_NaN();
    RoundHuge();
  } else if (Scenario == "fault-on-other-thread") {
    RunThread(&FaultingThread);
  } else if (Scenario == "error-on-other-thread") {
    RunThread(&RunErrorThread);
  } else if (Scenario == "buffered") {
    runtime::Write(runtime::Output, "no line end");
  } else if (Scenario == "closed-streams") {
    // Started with standard streams closed: a file opened now must get a
    // descriptor of its own, standard input must be at its end and writing
    // to standard output and error must succeed.
    char byte = 0;
    const ssize_t got = read(STDIN_FILENO, &byte, 1);
    WriteLn(runtime::StdErr, "error line");
    const int written = runtime::IOResult();
    const int report = open(ReportPath, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    char text[80];
    const int length = std::snprintf(text, sizeof text, "descriptor %d, input %d, output result %d", report,
                                     static_cast<int>(got), written);
    if (write(report, text, static_cast<unsigned>(length)) != length) std::perror("report");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || !ConsoleRegistered || !GraphicsRegistered) return 2;
  Scenario = argv[1];
  if (argc == 3) ReportPath = argv[2];
  runtime::RunProgram(&Body);
}
