// What the console asks a terminal at start-up: its size and where its
// cursor stands.
#pragma once

#include <chrono>
#include <optional>
#include <vector>

#include "platform/console.h"

namespace win32::detail {

// Columns and rows of the terminal; 80 x 25 when it reports none.
[[nodiscard]] COORD terminal_size(int descriptor);

// Asks the terminal where its cursor is (0-based) and waits at most
// `timeout` for the answer, read from `input`. Bytes that arrive meanwhile
// and are not the answer (keys typed ahead) are appended to `typedAhead`.
[[nodiscard]] std::optional<COORD> query_cursor(int output, int input, std::chrono::milliseconds timeout,
                                                std::vector<unsigned char>& typedAhead);

// Finds a cursor position report (ESC [ row ; column R) in `bytes`, removes
// it and returns the 0-based position it gives.
[[nodiscard]] std::optional<COORD> take_cursor_report(std::vector<unsigned char>& bytes);

}  // namespace win32::detail
