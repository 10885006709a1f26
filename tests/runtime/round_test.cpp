// Round: ties to even on the x87, with the caller's control word kept.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "runtime/checks.h"

namespace {

std::uint16_t ControlWord() {
  std::uint16_t word;
  asm volatile("fnstcw %0" : "=m"(word));
  return word;
}

void SetControlWord(std::uint16_t word) {
  asm volatile("fldcw %0" : : "m"(word));
}

struct RoundCase {
  long double value;
  std::int32_t expected;
};

constexpr RoundCase kRoundCases[] = {
    {2.5L, 2},       {3.5L, 4},           {-0.5L, 0},           {-1.5L, -2},  {-2.5L, -2},
    {0.5L, 0},       {1.5L, 2},           {2.4999999999L, 2},   {2.5000000001L, 3},
    {-32768.5L, -32768}, {32767.5L, 32768}, {2147483647.0L, 2147483647}, {-2147483648.0L, -2147483647 - 1},
    {2147483647.4L, 2147483647},
};

// The program's control word (every Round takes the direct path) and the
// unit's default, all-masked word (every Round loads its own word).
class RoundUnderControlWord : public ::testing::TestWithParam<std::uint16_t> {
 protected:
  void SetUp() override {
    saved_ = ControlWord();
    SetControlWord(GetParam());
    loaded_ = ControlWord();  // reserved bit 6 reads back as 1
  }
  void TearDown() override { SetControlWord(saved_); }

  std::uint16_t loaded_ = 0;

 private:
  std::uint16_t saved_ = 0;
};

TEST_P(RoundUnderControlWord, RoundsHalfwayCasesToEven) {
  for (const RoundCase& c : kRoundCases) EXPECT_EQ(runtime::Round(c.value), c.expected) << static_cast<double>(c.value);
}

TEST_P(RoundUnderControlWord, LeavesTheCallersControlWordAsItWas) {
  static_cast<void>(runtime::Round(2.5L));
  EXPECT_EQ(ControlWord(), loaded_);
}

INSTANTIATE_TEST_SUITE_P(ControlWords, RoundUnderControlWord,
                         ::testing::Values(std::uint16_t{0x1332},  // the program's word
                                           std::uint16_t{0x037F},  // all masked, round to nearest
                                           std::uint16_t{0x077F},  // round down
                                           std::uint16_t{0x0F7F}   // truncate
                                           ),
                         [](const ::testing::TestParamInfo<std::uint16_t>& info) {
                           char name[16];
                           std::snprintf(name, sizeof name, "Word%04X", info.param);
                           return std::string(name);
                         });

}  // namespace
