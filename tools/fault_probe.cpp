// fault_probe: starts as a demonstration program does, then commits the one
// fault named by its argument, so that the run-time error report and exit
// code of each can be seen (and tested) from outside.
//
//   fault_probe none|range|overflow|zerodiv|invalid|fpoverflow|intdiv|segv|stack|halt3|ioerror|exitchain
#include <array>
#include <cstdint>
#include <string_view>

#include "runtime/runtime.h"

namespace {

using runtime::StdOut;

const char* ProbeArgument = nullptr;

// Values the compiler cannot see through, so every fault happens at run time.
volatile std::int32_t OutOfRangeCoordinate = 32768;
volatile std::int32_t Factor = 65536;
volatile long double ExtendedZero = 0.0L;
volatile long double ExtendedOne = 1.0L;
volatile long double ExtendedHuge = 1.0e4000L;
volatile long double ExtendedSink = 0.0L;
volatile int IntegerOne = 1;
volatile int IntegerZero = 0;
volatile int IntegerSink = 0;
volatile bool KeepRecursing = true;
volatile int* volatile BadAddress = reinterpret_cast<volatile int*>(std::uintptr_t{16});

void Range() {
  static_cast<void>(runtime::RangeCheck(OutOfRangeCoordinate, -32768, 32767));
}

void Overflow() {
  static_cast<void>(runtime::CheckedMultiply(Factor, Factor));
}

void ZeroDivide() {
  ExtendedSink = ExtendedOne / ExtendedZero;
}

void Invalid() {
  ExtendedSink = ExtendedZero / ExtendedZero;
}

void FloatOverflow() {
  ExtendedSink = ExtendedHuge * ExtendedHuge;
}

// The division must reach the processor, not the undefined-behaviour checker.
__attribute__((no_sanitize("undefined"))) void IntegerDivide() {
  IntegerSink = IntegerOne / IntegerZero;
}

// A plain read through a bad pointer, without the address checker's own test.
__attribute__((no_sanitize("address"))) void BadPointer() {
  IntegerSink = *BadAddress;
}

__attribute__((noinline)) int Recurse(int depth) {
  volatile char frame[128];
  frame[0] = static_cast<char>(depth);
  if (KeepRecursing) return Recurse(depth + 1) + frame[0];
  return frame[0];
}

void StackOverflow() {
  IntegerSink = Recurse(0);
}

void Halt3() {
  runtime::Halt(3);
}

// A write to a device that is always full fails when the line is flushed.
void IoError() {
  runtime::TextRec file;
  runtime::Assign(file, "/dev/full");
  runtime::Rewrite(file);
  runtime::IOCheck();
  runtime::WriteLn(file, "this line cannot be written");
  runtime::IOCheck();
}

runtime::ProcedurePtr ExitSaveFirst = nullptr;
runtime::ProcedurePtr ExitSaveSecond = nullptr;

void FirstExitProc() {
  runtime::ExitProc = ExitSaveFirst;
  runtime::WriteLn(StdOut, "first exit procedure");
}

void SecondExitProc() {
  runtime::ExitProc = ExitSaveSecond;
  runtime::WriteLn(StdOut, "second exit procedure");
}

void ExitChain() {
  ExitSaveFirst = runtime::ExitProc;
  runtime::ExitProc = &FirstExitProc;
  ExitSaveSecond = runtime::ExitProc;
  runtime::ExitProc = &SecondExitProc;
  Range();
}

void Nothing() {}

struct Probe {
  std::string_view name;
  void (*run)();
};

constexpr std::array<Probe, 12> kProbes = {{
    {"none", &Nothing},
    {"range", &Range},
    {"overflow", &Overflow},
    {"zerodiv", &ZeroDivide},
    {"invalid", &Invalid},
    {"fpoverflow", &FloatOverflow},
    {"intdiv", &IntegerDivide},
    {"segv", &BadPointer},
    {"stack", &StackOverflow},
    {"halt3", &Halt3},
    {"ioerror", &IoError},
    {"exitchain", &ExitChain},
}};

void Usage() {
  runtime::Write(runtime::StdErr, "usage: fault_probe");
  char separator = ' ';
  for (const Probe& probe : kProbes) {
    runtime::Write(runtime::StdErr, separator);
    runtime::Write(runtime::StdErr, probe.name);
    separator = '|';
  }
  runtime::WriteLn(runtime::StdErr);
  runtime::Halt(2);
}

void ProbeBody() {
  runtime::InitializeUnits();
  if (ProbeArgument == nullptr) Usage();
  for (const Probe& probe : kProbes) {
    if (probe.name == ProbeArgument) {
      probe.run();
      return;
    }
  }
  runtime::Write(runtime::StdErr, "fault_probe: unknown fault \"");
  runtime::Write(runtime::StdErr, ProbeArgument);
  runtime::WriteLn(runtime::StdErr, "\"");
  Usage();
}

}  // namespace

int main(int argc, char** argv) {
  ProbeArgument = argc == 2 ? argv[1] : nullptr;
  runtime::RunProgram(&ProbeBody);
}
