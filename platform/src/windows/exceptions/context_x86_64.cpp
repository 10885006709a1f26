// CONTEXT on 64-bit Windows: the same registers as the layer's.
#include "windows/exceptions/native_context.h"

namespace win32::detail {

CONTEXT context_from(const ::CONTEXT& n) {
  CONTEXT c{};
  c.Rax = n.Rax;
  c.Rcx = n.Rcx;
  c.Rdx = n.Rdx;
  c.Rbx = n.Rbx;
  c.Rsp = n.Rsp;
  c.Rbp = n.Rbp;
  c.Rsi = n.Rsi;
  c.Rdi = n.Rdi;
  c.R8 = n.R8;
  c.R9 = n.R9;
  c.R10 = n.R10;
  c.R11 = n.R11;
  c.R12 = n.R12;
  c.R13 = n.R13;
  c.R14 = n.R14;
  c.R15 = n.R15;
  c.Rip = n.Rip;
  c.EFlags = n.EFlags;
  const ::XMM_SAVE_AREA32& fp = n.FltSave;
  c.FltSave.ControlWord = fp.ControlWord;
  c.FltSave.StatusWord = fp.StatusWord;
  c.FltSave.TagWord = fp.TagWord;
  c.FltSave.ErrorOffset = fp.ErrorOffset;
  // In 64-bit mode the x87 instruction pointer goes on where the selector was.
  c.FltSave.ErrorOffset64 = fp.ErrorOffset | (static_cast<DWORD64>(fp.ErrorSelector) << 32) |
                            (static_cast<DWORD64>(fp.Reserved2) << 48);
  c.FltSave.MxCsr = n.MxCsr;
  return c;
}

void store_context(const CONTEXT& c, ::CONTEXT& n) {
  n.Rax = c.Rax;
  n.Rcx = c.Rcx;
  n.Rdx = c.Rdx;
  n.Rbx = c.Rbx;
  n.Rsp = c.Rsp;
  n.Rbp = c.Rbp;
  n.Rsi = c.Rsi;
  n.Rdi = c.Rdi;
  n.R8 = c.R8;
  n.R9 = c.R9;
  n.R10 = c.R10;
  n.R11 = c.R11;
  n.R12 = c.R12;
  n.R13 = c.R13;
  n.R14 = c.R14;
  n.R15 = c.R15;
  n.Rip = c.Rip;
  n.EFlags = c.EFlags;
  n.FltSave.ControlWord = c.FltSave.ControlWord;
  n.FltSave.StatusWord = c.FltSave.StatusWord;
  n.FltSave.MxCsr = c.FltSave.MxCsr;
  n.MxCsr = c.FltSave.MxCsr;
}

}  // namespace win32::detail
