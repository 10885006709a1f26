// SetUnhandledExceptionFilter over POSIX signals. The handler translates the
// fault into an exception record and a context, asks the filter, and either
// resumes the thread with the context the filter left, or lets the fault end
// the process as the signal's default action would.
#include <signal.h>
#include <ucontext.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include "exceptions/signal_translation.h"
#include "kernel/process_exit.h"
#include "platform/exceptions.h"

namespace win32 {

namespace {

constexpr int kFaultSignals[] = {SIGFPE, SIGSEGV, SIGBUS, SIGILL};

// The process-wide exception state.
std::atomic<LPTOP_LEVEL_EXCEPTION_FILTER> CurrentFilter{nullptr};
std::atomic<bool> HandlersInstalled{false};

// The installing thread's alternate signal stack: a stack overflow can only
// be handled on a stack that is not the exhausted one.
constexpr std::size_t kAlternateStackSize = 64 * 1024;
alignas(64) unsigned char AlternateStack[kAlternateStackSize];

CONTEXT ContextFrom(const ucontext_t& uc) {
  const greg_t* r = uc.uc_mcontext.gregs;
  CONTEXT c{};
  c.Rax = static_cast<DWORD64>(r[REG_RAX]);
  c.Rcx = static_cast<DWORD64>(r[REG_RCX]);
  c.Rdx = static_cast<DWORD64>(r[REG_RDX]);
  c.Rbx = static_cast<DWORD64>(r[REG_RBX]);
  c.Rsp = static_cast<DWORD64>(r[REG_RSP]);
  c.Rbp = static_cast<DWORD64>(r[REG_RBP]);
  c.Rsi = static_cast<DWORD64>(r[REG_RSI]);
  c.Rdi = static_cast<DWORD64>(r[REG_RDI]);
  c.R8 = static_cast<DWORD64>(r[REG_R8]);
  c.R9 = static_cast<DWORD64>(r[REG_R9]);
  c.R10 = static_cast<DWORD64>(r[REG_R10]);
  c.R11 = static_cast<DWORD64>(r[REG_R11]);
  c.R12 = static_cast<DWORD64>(r[REG_R12]);
  c.R13 = static_cast<DWORD64>(r[REG_R13]);
  c.R14 = static_cast<DWORD64>(r[REG_R14]);
  c.R15 = static_cast<DWORD64>(r[REG_R15]);
  c.Rip = static_cast<DWORD64>(r[REG_RIP]);
  c.EFlags = static_cast<DWORD>(r[REG_EFL]);
  if (const auto* fp = uc.uc_mcontext.fpregs) {
    c.FltSave.ControlWord = fp->cwd;
    c.FltSave.StatusWord = fp->swd;
    c.FltSave.TagWord = static_cast<BYTE>(fp->ftw);
    c.FltSave.ErrorOffset = static_cast<DWORD>(fp->rip);
    c.FltSave.ErrorOffset64 = fp->rip;
    c.FltSave.MxCsr = fp->mxcsr;
  }
  return c;
}

void StoreContext(const CONTEXT& c, ucontext_t& uc) {
  greg_t* r = uc.uc_mcontext.gregs;
  r[REG_RAX] = static_cast<greg_t>(c.Rax);
  r[REG_RCX] = static_cast<greg_t>(c.Rcx);
  r[REG_RDX] = static_cast<greg_t>(c.Rdx);
  r[REG_RBX] = static_cast<greg_t>(c.Rbx);
  r[REG_RSP] = static_cast<greg_t>(c.Rsp);
  r[REG_RBP] = static_cast<greg_t>(c.Rbp);
  r[REG_RSI] = static_cast<greg_t>(c.Rsi);
  r[REG_RDI] = static_cast<greg_t>(c.Rdi);
  r[REG_R8] = static_cast<greg_t>(c.R8);
  r[REG_R9] = static_cast<greg_t>(c.R9);
  r[REG_R10] = static_cast<greg_t>(c.R10);
  r[REG_R11] = static_cast<greg_t>(c.R11);
  r[REG_R12] = static_cast<greg_t>(c.R12);
  r[REG_R13] = static_cast<greg_t>(c.R13);
  r[REG_R14] = static_cast<greg_t>(c.R14);
  r[REG_R15] = static_cast<greg_t>(c.R15);
  r[REG_RIP] = static_cast<greg_t>(c.Rip);
  r[REG_EFL] = static_cast<greg_t>(c.EFlags);
  if (auto* fp = uc.uc_mcontext.fpregs) {
    fp->cwd = c.FltSave.ControlWord;
    fp->swd = c.FltSave.StatusWord;
    fp->mxcsr = c.FltSave.MxCsr;
  }
}

EXCEPTION_RECORD RecordFrom(DWORD code, const siginfo_t& info, const ucontext_t& uc) {
  EXCEPTION_RECORD record{};
  record.ExceptionCode = code;
  record.ExceptionAddress = reinterpret_cast<void*>(uc.uc_mcontext.gregs[REG_RIP]);
  if (code == EXCEPTION_ACCESS_VIOLATION || code == EXCEPTION_IN_PAGE_ERROR) {
    // Bit 1 of the page-fault error code says whether the access was a write.
    const bool write = (uc.uc_mcontext.gregs[REG_ERR] & 2) != 0;
    record.NumberParameters = 2;
    record.ExceptionInformation[0] = write ? 1 : 0;
    record.ExceptionInformation[1] = reinterpret_cast<ULONG_PTR>(info.si_addr);
  }
  return record;
}

// Lets the fault take its default course: the terminal and the like are
// restored first, then the signal ends the process (a fault re-executes and
// faults again; a sent signal is raised again and delivered on return).
void EndByDefault(int signal, DWORD code) {
  detail::run_async_safe_exit_callbacks();
  struct sigaction action{};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
  if (code == 0) raise(signal);
}

void FaultHandler(int signal, siginfo_t* info, void* context) {
  const int savedErrno = errno;
  auto& uc = *static_cast<ucontext_t*>(context);
  const auto* fp = uc.uc_mcontext.fpregs;
  const detail::FaultSignal fault{
      signal,
      info->si_code,
      reinterpret_cast<std::uintptr_t>(info->si_addr),
      static_cast<std::uintptr_t>(uc.uc_mcontext.gregs[REG_RSP]),
      fp != nullptr ? fp->swd : WORD{0},
      fp != nullptr ? fp->cwd : WORD{0x037F},
  };
  const DWORD code = detail::ExceptionCodeForSignal(fault);
  const LPTOP_LEVEL_EXCEPTION_FILTER filter = CurrentFilter.load(std::memory_order_acquire);
  if (code != 0 && filter != nullptr) {
    EXCEPTION_RECORD record = RecordFrom(code, *info, uc);
    CONTEXT ctx = ContextFrom(uc);
    EXCEPTION_POINTERS pointers{&record, &ctx};
    if (filter(&pointers) == EXCEPTION_CONTINUE_EXECUTION) {
      StoreContext(ctx, uc);
      errno = savedErrno;
      return;
    }
  }
  EndByDefault(signal, code);
  errno = savedErrno;
}

void InstallAlternateStack() {
  stack_t stack{};
  stack.ss_sp = AlternateStack;
  stack.ss_size = sizeof AlternateStack;
  stack.ss_flags = 0;
  sigaltstack(&stack, nullptr);
}

void InstallHandlers() {
  InstallAlternateStack();
  struct sigaction action{};
  action.sa_sigaction = &FaultHandler;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (int signal : kFaultSignals) sigaction(signal, &action, nullptr);
}

}  // namespace

LPTOP_LEVEL_EXCEPTION_FILTER SetUnhandledExceptionFilter(LPTOP_LEVEL_EXCEPTION_FILTER filter) {
  if (filter != nullptr && !HandlersInstalled.exchange(true, std::memory_order_acq_rel)) InstallHandlers();
  return CurrentFilter.exchange(filter, std::memory_order_acq_rel);
}

}  // namespace win32
