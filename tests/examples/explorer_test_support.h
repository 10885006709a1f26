// Support for the explorer's tests: the explorer run with a script, and
// the pictures it should show drawn in this process, in a headless window
// of the same size.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "explorer_state.h"
#include "png_picture.h"
#include "scripted_run.h"

namespace explorer::testing {

// The window the explorer opens on the 1024 x 768 headless screen.
inline constexpr int kWidth = 1024;
inline constexpr int kHeight = 719;

// Opens that window in this process, once.
void OpenWindow();

// The start state in that window.
[[nodiscard]] ExplorerState Start();

// What the window shows, row by row as colour values, after DrawState.
[[nodiscard]] std::vector<std::uint32_t> PictureOf(const ExplorerState& state);

// What the window shows now.
[[nodiscard]] std::vector<std::uint32_t> WindowPicture();

// Expects the PNG at `path` to show `expected` in every row above
// `rows` (all of them by default); on a difference, says where and leaves
// a difference picture beside it.
void ExpectPicture(const std::filesystem::path& path, const std::vector<std::uint32_t>& expected,
                   int rows = kHeight);

// The explorer with `script`, in `folder`, numbered snapshots as frame-N.png.
[[nodiscard]] test_support::ScriptedRun RunExplorer(const std::string& script, const std::filesystem::path& folder);

[[nodiscard]] std::filesystem::path Frame(const std::filesystem::path& folder, int number);

}  // namespace explorer::testing
