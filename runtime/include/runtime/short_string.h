// Short strings: a length byte followed by up to N characters (N <= 255),
// used for library names, paths and texts handed to the libraries. Text that
// does not fit is cut to the capacity when it is stored.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace runtime {

template <std::size_t Capacity = 255>
class ShortString {
  static_assert(Capacity >= 1 && Capacity <= 255, "a short string holds 1 to 255 characters");

 public:
  constexpr ShortString() = default;
  constexpr ShortString(std::string_view text) { Assign(text); }  // implicit, as a string literal converts
  constexpr ShortString(const char* text) : ShortString(std::string_view(text)) {}

  // Stores `text`, cut to the first `Capacity` characters.
  constexpr void Assign(std::string_view text) {
    const std::size_t kept = std::min(text.size(), Capacity);
    std::copy_n(text.data(), kept, chars_.begin());
    chars_[kept] = '\0';
    length_ = static_cast<std::uint8_t>(kept);
  }

  [[nodiscard]] static constexpr std::size_t capacity() { return Capacity; }
  [[nodiscard]] constexpr std::size_t size() const { return length_; }
  [[nodiscard]] constexpr bool empty() const { return length_ == 0; }
  [[nodiscard]] constexpr std::uint8_t Length() const { return length_; }
  [[nodiscard]] constexpr std::string_view view() const { return {chars_.data(), length_}; }
  // Always zero-terminated, for the platform's C-style names.
  [[nodiscard]] constexpr const char* c_str() const { return chars_.data(); }
  constexpr operator std::string_view() const { return view(); }  // reads wherever text is expected

  // 0-based, as everywhere in the C++ code.
  [[nodiscard]] constexpr char operator[](std::size_t index) const { return chars_[index]; }

  friend constexpr bool operator==(const ShortString& a, const ShortString& b) { return a.view() == b.view(); }
  friend constexpr bool operator==(const ShortString& a, std::string_view b) { return a.view() == b; }

 private:
  std::uint8_t length_ = 0;
  std::array<char, Capacity + 1> chars_{};
};

// The full-size short string of 255 characters.
using String255 = ShortString<255>;

}  // namespace runtime
