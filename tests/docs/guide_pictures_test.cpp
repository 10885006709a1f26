// The programming guide's pictures against what their programs draw today,
// pixel for pixel. The build lists each picture with the screen it is drawn
// on and its program (examples/guide/CMakeLists.txt); each program runs on
// the headless display with Enter already at the end of its input.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "child_process.h"
#include "golden_picture.h"

namespace {

constexpr const char* kRegenerate = "scripts/make_guide_pictures draws the guide's pictures again";

struct GuidePicture {
  std::string Name;
  std::string Screen;
  std::string Program;
};

std::vector<GuidePicture> ListedPictures() {
  std::vector<GuidePicture> pictures;
  std::ifstream list(GUIDE_PICTURES_LIST);
  GuidePicture picture;
  while (list >> picture.Name >> picture.Screen >> picture.Program) {
    picture.Program = TEST_DRIVE + picture.Program;
    pictures.push_back(picture);
  }
  return pictures;
}

std::string PictureInTheTree(const std::string& name) { return std::string(GUIDE_PICTURES_DIR) + "/" + name + ".png"; }

class GuidePictures : public ::testing::TestWithParam<GuidePicture> {};

TEST_P(GuidePictures, MatchWhatTheirProgramsDraw) {
  const GuidePicture& picture = GetParam();
  const std::string drawn = test_support::ScratchDirectory("guide") + "/" + picture.Name + ".png";
  ASSERT_TRUE(test_support::RunHeadless(picture.Program, drawn, picture.Screen)) << picture.Program;
  const std::string difference = test_support::DifferenceFromGolden(drawn, PictureInTheTree(picture.Name));
  EXPECT_EQ(difference, "") << "docs/guide/" << picture.Name << ".png is out of date; " << kRegenerate;
  if (difference.empty()) std::remove(drawn.c_str());
}

INSTANTIATE_TEST_SUITE_P(Guide, GuidePictures, ::testing::ValuesIn(ListedPictures()),
                         [](const ::testing::TestParamInfo<GuidePicture>& info) { return info.param.Name; });

// A picture without a program would never be checked again, and a program
// without its picture leaves the guide pointing at nothing.
TEST(GuidePictureFolder, HoldsExactlyTheListedPictures) {
  std::set<std::string> listed;
  for (const GuidePicture& picture : ListedPictures()) listed.insert(picture.Name + ".png");
  ASSERT_FALSE(listed.empty()) << "no pictures listed in " << GUIDE_PICTURES_LIST;
  std::set<std::string> present;
  for (const auto& entry : std::filesystem::directory_iterator(GUIDE_PICTURES_DIR)) {
    if (entry.path().extension() == ".png") present.insert(entry.path().filename().string());
  }
  for (const std::string& name : present) {
    EXPECT_TRUE(listed.count(name) != 0) << "docs/guide/" << name << " is drawn by no program of examples/guide";
  }
  for (const std::string& name : listed) {
    EXPECT_TRUE(present.count(name) != 0) << "docs/guide/" << name << " is missing; " << kRegenerate;
  }
}

}  // namespace
