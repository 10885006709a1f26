#include "golden_picture.h"

#include "child_process.h"
#include "png_picture.h"

namespace test_support {

namespace {

bool SamePixel(const PngPicture& a, const PngPicture& b, std::size_t at) {
  return a.rgb[at] == b.rgb[at] && a.rgb[at + 1] == b.rgb[at + 1] && a.rgb[at + 2] == b.rgb[at + 2];
}

std::string Size(const PngPicture& picture) {
  return std::to_string(picture.width) + " x " + std::to_string(picture.height);
}

}  // namespace

bool RunHeadless(const std::string& program, const std::string& snapshot, const std::string& screen) {
  ChildOptions options;
  options.environment = {{"GRAPH_SCREEN", std::nullopt}, {"GRAPH_DISPLAY", "headless"}, {"GRAPH_SNAPSHOT", snapshot}};
  if (!screen.empty()) options.environment.front().second = screen;
  const ChildOutcome outcome = RunChild(program, options);
  return outcome.exited && outcome.exitCode == 0;
}

std::string DifferenceFromGolden(const std::string& picture, const std::string& golden) {
  PngPicture got;
  PngPicture expected;
  if (!ReadPng(picture, &got)) return "cannot read the picture " + picture;
  if (!ReadPng(golden, &expected)) return "cannot read the golden picture " + golden;
  if (got.width != expected.width || got.height != expected.height) {
    return picture + " is " + Size(got) + ", the golden picture " + Size(expected);
  }
  std::size_t differing = 0;
  std::size_t first = 0;
  for (std::size_t i = 0; i + 2 < got.rgb.size(); i += 3) {
    if (SamePixel(got, expected, i)) continue;
    if (differing++ == 0) first = i / 3;
  }
  if (differing == 0) return "";
  const std::string differences = picture + ".difference.png";
  WriteDifference(got, expected, differences);
  const auto width = static_cast<std::size_t>(got.width);
  return std::to_string(differing) + " pixels differ, the first at (" + std::to_string(first % width) + ", " +
         std::to_string(first / width) + "); picture " + picture + ", differences " + differences;
}

}  // namespace test_support
