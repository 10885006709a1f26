// How a run with snapshots ends: a picture that is lost turns a successful
// end into exit code 1 with one line, and a signal that ends the process
// saves the picture first. Each case runs in a process of its own.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>

#include "kernel/process_exit.h"
#include "platform/display.h"
#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "png_picture.h"
#include "snapshot_writer_picture.h"
#include "user/user_objects.h"
#include "user_test_support.h"

namespace {

using namespace win32;
namespace fs = std::filesystem;

class SnapshotEnd : public testing::Test {
 protected:
  void SetUp() override {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    user_test::RecordingClass();  // chooses the headless display
    // The process of each case runs the test again from the start: it
    // finds the folder that the test made in the environment, and what the
    // test put there before.
    if (const char* made = std::getenv("SNAPSHOT_END_FOLDER")) {
      folder_ = made;
      return;
    }
    owner_ = true;
    folder_ = testing::TempDir() + "snapshot-end-" + std::to_string(getpid());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    setenv("SNAPSHOT_END_FOLDER", folder_.c_str(), 1);
  }
  void TearDown() override {
    if (!owner_) return;
    unsetenv("SNAPSHOT_END_FOLDER");
    fs::remove_all(folder_);
  }

  std::string At(const std::string& name) const { return folder_ + "/" + name; }
  bool MakeFifo(const std::string& name) const {
    return mkfifo(At(name).c_str(), 0644) == 0 || fs::is_fifo(At(name));
  }

  std::string folder_;
  bool owner_ = false;
};

// Opens a window with GRAPH_SNAPSHOT=`snapshot` and draws one red pixel.
HWND DrawWithSnapshot(const std::string& snapshot) {
  setenv("GRAPH_SNAPSHOT", snapshot.c_str(), 1);
  HWND window = user_test::OpenWindow(5, 4);
  HDC dc = GetDC(window);
  SetPixelV(dc, 2, 1, RGB(168, 0, 0));
  ReleaseDC(window, dc);
  return window;
}

bool HoldsTheDrawing(const std::string& path) {
  test_support::PngPicture png;
  return test_support::ReadPng(path, &png) && png.width == 5 && png.ColourValue(2, 1) == RGB(168, 0, 0) &&
         png.ColourValue(0, 0) == 0;
}

void SetLimit(int resource, rlim_t value) {
  const rlimit limit{value, value};
  setrlimit(resource, &limit);
}

void SayRestored() { (void)write(STDERR_FILENO, "restored;", 9); }

// Stands for the console's handler, which restores the terminal and lets
// the signal end the process.
void RestoreThenEnd(int signal) {
  SayRestored();
  ::signal(signal, SIG_DFL);
  raise(signal);
}

TEST_F(SnapshotEnd, AWindowStillOpenIsSavedWhenTheProcessEnds) {
  EXPECT_EXIT((DrawWithSnapshot(At("exit.png")), std::exit(0)), testing::ExitedWithCode(0), "^$");
  EXPECT_EXIT((DrawWithSnapshot(At("exit-process.png")), ExitProcess(0)), testing::ExitedWithCode(0), "^$");
  EXPECT_TRUE(HoldsTheDrawing(At("exit.png")));
  EXPECT_TRUE(HoldsTheDrawing(At("exit-process.png")));
}

TEST_F(SnapshotEnd, ALostPictureTurnsASuccessfulEndIntoExitCodeOneWithOneLine) {
  ASSERT_TRUE(MakeFifo("fifo"));
  const std::string could_not = "^GRAPH_SNAPSHOT: could not write " + folder_;
  EXPECT_EXIT((DrawWithSnapshot(At("missing/out.png")), ExitProcess(0)), testing::ExitedWithCode(1),
              could_not + "/missing/out.png: No such file or directory\n$");
  EXPECT_EXIT((DrawWithSnapshot(At("fifo")), ExitProcess(0)), testing::ExitedWithCode(1),
              could_not + "/fifo: it is a FIFO; only a regular file is replaced\n$");
  EXPECT_EXIT((DrawWithSnapshot(At("f-%s.png")), ExitProcess(0)), testing::ExitedWithCode(1),
              "^GRAPH_SNAPSHOT: '" + folder_ + "/f-%s.png' is refused: [^\n]*\n$");
  // A full disk: the file-size limit stands for it, below the size of a
  // picture of noise and above that of the line on standard error (a file
  // here).
  EXPECT_EXIT(
      {
        SetLimit(RLIMIT_FSIZE, 4096);
        setenv("GRAPH_SNAPSHOT", At("limited.png").c_str(), 1);
        HDC dc = GetDC(user_test::OpenWindow(100, 100));
        for (int y = 0; y < 100; ++y) {
          for (int x = 0; x < 100; ++x) SetPixelV(dc, x, y, snapshot_test::WriterPixel(1, 1, x, y));
        }
        ExitProcess(0);
      },
      testing::ExitedWithCode(1), could_not + "/limited.png: File too large\n$");
  // An exit code other than 0 is the program's own and stays.
  EXPECT_EXIT((DrawWithSnapshot(At("missing/out.png")), ExitProcess(3)), testing::ExitedWithCode(3),
              could_not + "/missing/out.png: No such file or directory\n$");
  EXPECT_EQ(fs::directory_iterator(folder_)->path().filename(), "fifo");  // nothing left beside it
}

TEST_F(SnapshotEnd, LostFramesAreCountedInOneLineWhenThePatternEnds) {
  ASSERT_TRUE(MakeFifo("f-1.png"));
  EXPECT_EXIT(
      {
        HWND window = DrawWithSnapshot(At("f-%d.png"));
        display::end_frame(window);
        display::end_frame(window);
        display::end_frame(window);
        ExitProcess(0);  // the window's last picture is f-3.png
      },
      testing::ExitedWithCode(1),
      "^GRAPH_SNAPSHOT: could not write " + folder_ +
          "/f-1.png: it is a FIFO; only a regular file is replaced; 1 of 4 frames were lost\n$");
  for (const char* saved : {"f-0.png", "f-2.png", "f-3.png"}) EXPECT_TRUE(HoldsTheDrawing(At(saved))) << saved;
}

TEST_F(SnapshotEnd, AnEndingSignalSavesThePictureThenEndsTheProcessByIt) {
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    SCOPED_TRACE(strsignal(signal));
    const std::string path = At("signal-" + std::to_string(signal) + ".png");
    EXPECT_EXIT(
        {
          SetLimit(RLIMIT_CORE, 0);  // SIGQUIT would dump core
          detail::register_exit_callback(SayRestored, true);  // as the console restores the terminal
          DrawWithSnapshot(path);
          kill(getpid(), signal);
          for (;;) pause();
        },
        testing::KilledBySignal(signal), "^restored;$");
    EXPECT_TRUE(HoldsTheDrawing(path));
  }
}

// The signal arrives while the program's thread holds the lock of the
// window table, which saving needs: the saving waits for it, the program
// runs on and gives it back.
TEST_F(SnapshotEnd, SavingOnASignalWaitsForLocksTheInterruptedThreadHolds) {
  const std::string path = At("locked.png");
  EXPECT_EXIT(
      {
        DrawWithSnapshot(path);
        std::unique_lock hold(detail::user_state().lock);
        kill(getpid(), SIGTERM);
        usleep(50'000);
        hold.unlock();
        for (;;) pause();
      },
      testing::KilledBySignal(SIGTERM), "");
  EXPECT_TRUE(HoldsTheDrawing(path));
}

TEST_F(SnapshotEnd, AHandlerInstalledBeforeRunsAfterTheSavingAndAnIgnoredSignalStaysIgnored) {
  const std::string path = At("chained.png");
  EXPECT_EXIT(
      {
        signal(SIGTERM, RestoreThenEnd);
        signal(SIGHUP, SIG_IGN);
        DrawWithSnapshot(path);
        struct sigaction hangup {};
        sigaction(SIGHUP, nullptr, &hangup);
        if (hangup.sa_handler != SIG_IGN) (void)write(STDERR_FILENO, "caught;", 7);
        kill(getpid(), SIGTERM);
        for (;;) pause();
      },
      testing::KilledBySignal(SIGTERM), "^restored;$");
  EXPECT_TRUE(HoldsTheDrawing(path));
}

// A child made by fork has no thread to save for it; a signal ends it as
// it would have ended it before (rather than waiting for a saving that
// never comes).
TEST_F(SnapshotEnd, AChildMadeByForkEndsByTheSignalAsBefore) {
  EXPECT_EXIT(
      {
        DrawWithSnapshot(At("parent.png"));
        const pid_t child = fork();
        if (child == 0) {
          kill(getpid(), SIGTERM);
          for (int tenth = 0; tenth < 50; ++tenth) usleep(100'000);
          _exit(9);
        }
        int status = 0;
        waitpid(child, &status, 0);
        _exit(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
