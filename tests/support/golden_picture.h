// Pictures drawn by a program on the headless display, compared pixel for
// pixel with the golden copies kept in the source tree.
#pragma once

#include <string>

namespace test_support {

// Runs `program` on the headless display with GRAPH_SNAPSHOT set to
// `snapshot` (a file or a frame pattern) and its standard input at an end,
// so that it draws, closes its window and ends. `screen` is a GRAPH_SCREEN
// value, or empty for the default screen. True when the program ends with
// exit code 0.
[[nodiscard]] bool RunHeadless(const std::string& program, const std::string& snapshot,
                               const std::string& screen = "");

// Empty when the pictures in the two PNG files have the same size and the
// same pixels. Otherwise says what differs (a file that cannot be read, the
// sizes, or how many pixels and where the first is) and writes a difference
// picture beside `picture` (differing pixels white, equal ones dimmed),
// which the message names.
[[nodiscard]] std::string DifferenceFromGolden(const std::string& picture, const std::string& golden);

}  // namespace test_support
