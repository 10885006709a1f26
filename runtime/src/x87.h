// The few x87 control operations the runtime needs.
#pragma once

#include <cstdint>

namespace runtime::detail {

inline std::uint16_t StoreControlWord() {
  std::uint16_t word;
  asm volatile("fnstcw %0" : "=m"(word));
  return word;
}

inline void LoadControlWord(std::uint16_t word) {
  asm volatile("fldcw %0" : : "m"(word));
}

// FNINIT, then `controlWord`: the state the program starts with and returns
// to after a floating-point fault.
inline void ResetX87(std::uint16_t controlWord) {
  asm volatile("fninit");
  LoadControlWord(controlWord);
}

}  // namespace runtime::detail
