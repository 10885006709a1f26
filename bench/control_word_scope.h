// The x87 control word set for one scope and restored after it.
#pragma once

#include <cstdint>

// The word the runtime loads at a program's start-up: under it Round
// converts without loading a word of its own.
inline constexpr std::uint16_t kProgramControlWord = 0x1332;

class ControlWordScope {
 public:
  explicit ControlWordScope(std::uint16_t word = kProgramControlWord) {
    asm volatile("fnstcw %0" : "=m"(saved_));
    asm volatile("fldcw %0" : : "m"(word));
  }
  ~ControlWordScope() { asm volatile("fldcw %0" : : "m"(saved_)); }
  ControlWordScope(const ControlWordScope&) = delete;
  ControlWordScope& operator=(const ControlWordScope&) = delete;

 private:
  std::uint16_t saved_ = 0;
};
