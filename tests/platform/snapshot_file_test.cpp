// Snapshot files: what a snapshot replaces, follows and refuses, what it
// leaves beside the target, and processes that write one path at once.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "display/snapshot.h"
#include "display/window_pictures.h"
#include "gdi/surface.h"
#include "png_picture.h"
#include "snapshot_writer_picture.h"

extern char** environ;

namespace {

using namespace win32;
namespace fs = std::filesystem;
using test_support::PngPicture;
using test_support::ReadPng;

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void Put(const std::string& path, std::string_view text) { std::ofstream(path, std::ios::binary) << text; }

class SnapshotFile : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = testing::TempDir() + "snapshot-file-" + std::to_string(getpid());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    surface_.store(2, 1, detail::pixel_of(RGB(168, 0, 0)));
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string At(std::string_view name) const { return folder_ + "/" + std::string(name); }
  // The names in the folder, sorted: what a write left behind.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  bool Write(const std::string& path, std::string* error = nullptr) {
    std::string ignored;
    return detail::write_png(detail::picture_of(surface_), path, error ? error : &ignored);
  }
  // Whether `path` holds the surface's picture.
  static bool HoldsThePicture(const std::string& path) {
    PngPicture png;
    return ReadPng(path, &png) && png.width == 6 && png.height == 4 && png.ColourValue(2, 1) == RGB(168, 0, 0);
  }

  std::string folder_;
  detail::Surface surface_{6, 4, false};
};

TEST_F(SnapshotFile, ReplacesARegularFileOrCreatesOneAndTouchesNoOtherName) {
  Put(At("out.png"), "an older picture");
  Put(At("out.png.partial"), "a file of the user's");
  ASSERT_TRUE(Write(At("out.png")));
  EXPECT_TRUE(HoldsThePicture(At("out.png")));
  EXPECT_EQ(Contents(At("out.png.partial")), "a file of the user's");

  // Any name the file system allows: 255 bytes here.
  const std::string longest = std::string(251, 'n') + ".png";
  ASSERT_TRUE(Write(At(longest)));
  EXPECT_TRUE(HoldsThePicture(At(longest)));
  EXPECT_EQ(Names(), (std::vector<std::string>{longest, "out.png", "out.png.partial"}));
}

TEST_F(SnapshotFile, FollowsSymbolicLinksToTheFileTheyName) {
  fs::create_directories(At("pictures"));
  Put(At("pictures/kept.png"), "an older picture");
  fs::create_symlink("kept.png", At("pictures/relative.png"));  // relative to the link's folder
  fs::create_symlink(At("pictures/relative.png"), At("chain.png"));
  ASSERT_TRUE(Write(At("chain.png")));
  EXPECT_TRUE(fs::is_symlink(At("chain.png")));
  EXPECT_TRUE(fs::is_symlink(At("pictures/relative.png")));
  EXPECT_TRUE(HoldsThePicture(At("pictures/kept.png")));

  fs::create_symlink("pictures/new.png", At("dangling.png"));
  ASSERT_TRUE(Write(At("dangling.png")));
  EXPECT_TRUE(fs::is_symlink(At("dangling.png")));
  EXPECT_TRUE(HoldsThePicture(At("pictures/new.png")));

  fs::create_symlink("loop-b.png", At("loop-a.png"));
  fs::create_symlink("loop-a.png", At("loop-b.png"));
  std::string error;
  EXPECT_FALSE(Write(At("loop-a.png"), &error));
  EXPECT_EQ(error, "Too many levels of symbolic links");
  EXPECT_EQ(Names(), (std::vector<std::string>{"chain.png", "dangling.png", "loop-a.png", "loop-b.png", "pictures"}));
}

TEST_F(SnapshotFile, RefusesWhatIsNotAWritableRegularFileAndLeavesItAsItIs) {
  ASSERT_EQ(mkfifo(At("fifo").c_str(), 0644), 0);
  fs::create_directories(At("folder"));
  Put(At("read-only.png"), "kept");
  chmod(At("read-only.png").c_str(), 0444);  // refused even to a process of the superuser
  fs::create_symlink("fifo", At("to-fifo.png"));
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socket_path = At("socket");
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  socket_path.copy(address.sun_path, socket_path.size());
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const std::vector<std::string> before = Names();

  struct Case {
    const char* name;
    std::string reason;
  };
  const Case cases[] = {
      {"fifo", "it is a FIFO; only a regular file is replaced"},
      {"folder", "it is a directory; only a regular file is replaced"},
      {"socket", "it is a socket; only a regular file is replaced"},
      {"read-only.png", "it is a read-only file"},
      {"to-fifo.png", "it leads to " + At("fifo") + ", a FIFO; only a regular file is replaced"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    EXPECT_FALSE(Write(At(c.name), &error));
    EXPECT_EQ(error, c.reason);
  }
  close(listener);
  EXPECT_EQ(Names(), before);
  EXPECT_TRUE(fs::is_fifo(At("fifo")));
  EXPECT_TRUE(fs::is_socket(At("socket")));
  EXPECT_TRUE(fs::is_empty(At("folder")));
  EXPECT_EQ(Contents(At("read-only.png")), "kept");
}

// Writers of one path in parallel processes: whenever the file is read, and
// at the end, it is one whole picture of one writer's round.
TEST_F(SnapshotFile, ParallelWritersLeaveOneWholePictureAtEveryMoment) {
  constexpr int kWriters = 4;
  constexpr int kRounds = 25;
  const std::string path = At("shared.png");
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (!std::string_view(*entry).starts_with("GRAPH_")) environment.emplace_back(*entry);
  }
  environment.emplace_back("GRAPH_DISPLAY=headless");
  environment.push_back("GRAPH_SNAPSHOT=" + path);
  std::vector<char*> envp;
  for (std::string& variable : environment) envp.push_back(variable.data());
  envp.push_back(nullptr);

  std::vector<pid_t> writers;
  for (int writer = 1; writer <= kWriters; ++writer) {
    std::string program = SNAPSHOT_WRITER_PATH;
    std::string number = std::to_string(writer);
    std::string rounds = std::to_string(kRounds);
    char* argv[] = {program.data(), number.data(), rounds.data(), nullptr};
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()), 0);
    writers.push_back(pid);
  }

  const auto whole_picture = [&](std::string* why) {
    PngPicture png;
    if (!ReadPng(path, &png)) return (*why = "not a readable PNG", false);
    if (png.width != snapshot_test::kWriterPictureWidth || png.height != snapshot_test::kWriterPictureHeight) {
      return (*why = "not the writers' size", false);
    }
    const std::uint32_t name = png.ColourValue(0, 0);
    const int writer = static_cast<int>(name & 0xFF);
    const int round = static_cast<int>((name >> 8) & 0xFF);
    for (int y = 0; y < png.height; ++y) {
      for (int x = 0; x < png.width; ++x) {
        if (png.ColourValue(x, y) != snapshot_test::WriterPixel(writer, round, x, y)) {
          return (*why = "pixels of another picture", false);
        }
      }
    }
    return true;
  };
  // Read as often as the writers leave room to; a writer still running
  // after a failure is ended.
  int running = kWriters;
  int reads = 0;
  std::string failure;
  std::vector<int> exit_codes;
  while (running > 0) {
    for (pid_t& pid : writers) {
      if (pid <= 0) continue;
      if (!failure.empty()) kill(pid, SIGKILL);
      int status = 0;
      if (waitpid(pid, &status, failure.empty() ? WNOHANG : 0) != pid) continue;
      exit_codes.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
      pid = -1;
      --running;
    }
    if (!failure.empty() || access(path.c_str(), F_OK) != 0) continue;
    std::string why;
    if (!whole_picture(&why)) failure = "read " + std::to_string(reads) + ": " + why;
    ++reads;
    usleep(1000);
  }
  ASSERT_EQ(failure, "");
  EXPECT_EQ(exit_codes, std::vector<int>(kWriters, 0));
  std::string why;
  EXPECT_TRUE(whole_picture(&why)) << why;
  EXPECT_EQ(Names(), std::vector<std::string>{"shared.png"});
}

}  // namespace
