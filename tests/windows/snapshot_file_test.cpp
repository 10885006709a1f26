// How a snapshot's file is put in place on Windows: a new file or a regular
// one is written whole (no temporary file is left beside it); a directory,
// a device or a read-only file is refused and left as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "display/snapshot.h"
#include "native.h"
#include "png_picture.h"

namespace windows_test {
namespace {

namespace fs = std::filesystem;

class SnapshotFile : public ::testing::Test {
 protected:
  bool Write(const std::string& path, std::string* error = nullptr) {
    const win32::display::ClientPicture picture{3, 2, {0x0000A8, 0, 0, 0, 0, 0xFCFCFC}};
    std::string ignored;
    return win32::detail::write_png(picture, path, error ? error : &ignored);
  }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The names in the folder: what a write left behind.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    return names;
  }
  const std::string folder_ = test_support::ScratchDirectory("snapshot-file");
};

TEST_F(SnapshotFile, ANewOrRegularFileGetsTheWholePictureAndNothingElseStays) {
  const std::string path = folder_ + "/picture.png";
  ASSERT_TRUE(Write(path));
  { std::ofstream(path, std::ios::binary | std::ios::trunc) << "an older picture"; }
  ASSERT_TRUE(Write(path));
  test_support::PngPicture picture;
  ASSERT_TRUE(test_support::ReadPng(path, &picture));
  EXPECT_EQ(picture.ColourValue(0, 0), 0x0000A8U);
  EXPECT_EQ(picture.ColourValue(2, 1), 0xFCFCFCU);
  EXPECT_EQ(Names(), std::vector<std::string>{"picture.png"});
}

TEST_F(SnapshotFile, ADirectoryADeviceAndAReadOnlyFileAreRefusedAndKept) {
  std::string error;
  fs::create_directory(folder_ + "/folder.png");
  EXPECT_FALSE(Write(folder_ + "/folder.png", &error));
  EXPECT_NE(error.find("a directory"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(folder_ + "/folder.png"));

  EXPECT_FALSE(Write("NUL", &error));
  EXPECT_NE(error.find("a device"), std::string::npos) << error;

  const std::string kept = folder_ + "/kept.png";
  { std::ofstream(kept, std::ios::binary) << "keep me"; }
  fs::permissions(kept, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_FALSE(Write(kept, &error));
  EXPECT_NE(error.find("read-only"), std::string::npos) << error;
  EXPECT_EQ(Contents(kept), "keep me");
  fs::permissions(kept, fs::perms::owner_write, fs::perm_options::add);

  EXPECT_FALSE(Write(folder_ + "/missing/picture.png", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(Names().size(), 2U) << "only the folder and the kept file";
}

}  // namespace
}  // namespace windows_test
