// CONTEXT on 32-bit Windows: the layer's 64-bit registers hold the 32-bit
// ones (Rax holds Eax and so on), its x87 state comes from the FSAVE area
// and MXCSR from the FXSAVE image in the extended registers.
#include <cstring>

#include "windows/exceptions/native_context.h"

namespace win32::detail {

namespace {

constexpr std::size_t kMxCsrOffset = 24;  // in the FXSAVE image

// The full tag word has two bits per register, 3 for empty; the abridged
// one a bit per register, 1 for in use.
BYTE abridged_tags(::DWORD tagWord) {
  BYTE tags = 0;
  for (int i = 0; i < 8; ++i) {
    if (((tagWord >> (2 * i)) & 3) != 3) tags = static_cast<BYTE>(tags | (1 << i));
  }
  return tags;
}

}  // namespace

CONTEXT context_from(const ::CONTEXT& n) {
  CONTEXT c{};
  c.Rax = n.Eax;
  c.Rcx = n.Ecx;
  c.Rdx = n.Edx;
  c.Rbx = n.Ebx;
  c.Rsp = n.Esp;
  c.Rbp = n.Ebp;
  c.Rsi = n.Esi;
  c.Rdi = n.Edi;
  c.Rip = n.Eip;
  c.EFlags = n.EFlags;
  c.FltSave.ControlWord = static_cast<WORD>(n.FloatSave.ControlWord);
  c.FltSave.StatusWord = static_cast<WORD>(n.FloatSave.StatusWord);
  c.FltSave.TagWord = abridged_tags(n.FloatSave.TagWord);
  c.FltSave.ErrorOffset = n.FloatSave.ErrorOffset;
  c.FltSave.ErrorOffset64 = n.FloatSave.ErrorOffset;
  std::memcpy(&c.FltSave.MxCsr, n.ExtendedRegisters + kMxCsrOffset, sizeof c.FltSave.MxCsr);
  return c;
}

void store_context(const CONTEXT& c, ::CONTEXT& n) {
  n.Eax = static_cast<::DWORD>(c.Rax);
  n.Ecx = static_cast<::DWORD>(c.Rcx);
  n.Edx = static_cast<::DWORD>(c.Rdx);
  n.Ebx = static_cast<::DWORD>(c.Rbx);
  n.Esp = static_cast<::DWORD>(c.Rsp);
  n.Ebp = static_cast<::DWORD>(c.Rbp);
  n.Esi = static_cast<::DWORD>(c.Rsi);
  n.Edi = static_cast<::DWORD>(c.Rdi);
  n.Eip = static_cast<::DWORD>(c.Rip);
  n.EFlags = c.EFlags;
  n.FloatSave.ControlWord = (n.FloatSave.ControlWord & 0xFFFF0000u) | c.FltSave.ControlWord;
  n.FloatSave.StatusWord = (n.FloatSave.StatusWord & 0xFFFF0000u) | c.FltSave.StatusWord;
  std::memcpy(n.ExtendedRegisters + kMxCsrOffset, &c.FltSave.MxCsr, sizeof c.FltSave.MxCsr);
}

}  // namespace win32::detail
