// The stack dump's frame walk and the report's address format.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "exit_sequence.h"

namespace {

using runtime::detail::FormatAddress;
using runtime::detail::WalkFrames;

// A fake stack of 16-byte frame records: slot 2k is the saved frame pointer,
// slot 2k+1 the saved return address.
struct FakeStack {
  alignas(16) std::array<std::uintptr_t, 16> words{};
  std::uintptr_t At(std::size_t slot) const { return reinterpret_cast<std::uintptr_t>(&words[slot]); }
  std::uintptr_t Low() const { return At(0); }
  std::uintptr_t High() const { return At(0) + sizeof words; }
  void Frame(std::size_t slot, std::uintptr_t next, std::uintptr_t returnAddress) {
    words[slot] = next;
    words[slot + 1] = returnAddress;
  }
};

std::vector<std::uintptr_t> Walk(const FakeStack& stack, std::uintptr_t start, std::size_t limit = 16) {
  std::array<std::uintptr_t, 16> out{};
  const std::size_t n = WalkFrames(start, stack.Low(), stack.High(), std::span(out).first(limit));
  return {out.begin(), out.begin() + static_cast<std::ptrdiff_t>(n)};
}

TEST(FrameWalk, FollowsTheChainUpwardsAndSkipsZeroReturnAddresses) {
  FakeStack s;
  s.Frame(0, s.At(4), 0x401000);
  s.Frame(4, s.At(6), 0);  // a frame without a return address gives no line
  s.Frame(6, s.At(10), 0x402000);
  s.Frame(10, 0, 0x403000);  // the chain ends: 0 is not above
  EXPECT_EQ(Walk(s, s.At(0)), (std::vector<std::uintptr_t>{0x401000, 0x402000, 0x403000}));
}

TEST(FrameWalk, StopsWhereTheChainWouldLeadDownwardsOrInPlace) {
  FakeStack s;
  s.Frame(4, s.At(2), 0x401000);  // points below itself
  s.Frame(2, s.At(4), 0x402000);
  EXPECT_EQ(Walk(s, s.At(4)), (std::vector<std::uintptr_t>{0x401000}));
  s.Frame(8, s.At(8), 0x403000);  // points at itself
  EXPECT_EQ(Walk(s, s.At(8)), (std::vector<std::uintptr_t>{0x403000}));
}

TEST(FrameWalk, NeverReadsOutsideTheStackItIsGiven) {
  FakeStack s;
  s.Frame(0, s.High(), 0x401000);  // next frame just past the end
  EXPECT_EQ(Walk(s, s.At(0)), (std::vector<std::uintptr_t>{0x401000}));
  s.Frame(0, s.At(15), 0x401000);  // a record that would straddle the end
  EXPECT_EQ(Walk(s, s.At(0)), (std::vector<std::uintptr_t>{0x401000}));
  s.Frame(0, s.At(2) + 3, 0x401000);  // misaligned
  EXPECT_EQ(Walk(s, s.At(0)), (std::vector<std::uintptr_t>{0x401000}));
  EXPECT_TRUE(Walk(s, s.Low() - 16).empty());
  EXPECT_TRUE(Walk(s, 0).empty());
}

TEST(FrameWalk, StopsAtTheLineLimit) {
  FakeStack s;
  for (std::size_t slot = 0; slot + 2 < s.words.size(); slot += 2) s.Frame(slot, s.At(slot + 2), 0x400000 + slot);
  EXPECT_EQ(Walk(s, s.At(0), 3).size(), 3u);
}

TEST(ReportAddress, EightUpperCaseDigitsAtLeastAndNeverCut) {
  const std::pair<std::uintptr_t, const char*> cases[] = {
      {0x40A1B2, "0x0040A1B2"},
      {0, "0x00000000"},
      {0xFFFFFFFF, "0xFFFFFFFF"},
      {0x100000000, "0x100000000"},
      {0x7FFDABCDEF12, "0x7FFDABCDEF12"},
      {~std::uintptr_t{0}, "0xFFFFFFFFFFFFFFFF"},
  };
  for (const auto& [address, text] : cases) {
    char buffer[20];
    EXPECT_EQ(std::string(buffer, FormatAddress(address, buffer)), text);
  }
}

}  // namespace
