// The demonstrations as separate processes on the X11 display: without a
// display they say how to draw off-screen and stop; with one, each shows in
// its window exactly the picture that the headless display gives.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "png_picture.h"
#include "x11_test_support.h"

extern char** environ;

namespace {

using x11_test::Client;
using x11_test::Eventually;
using x11_test::SharedServer;

// The environment with `changes` made: a value sets a variable, null removes it.
std::vector<std::string> EnvironmentWith(const std::map<std::string, const char*>& changes) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    if (!changes.contains(text.substr(0, text.find('=')))) entries.push_back(text);
  }
  for (const auto& [name, value] : changes) {
    if (value) entries.push_back(name + "=" + value);
  }
  return entries;
}

enum class StandardInput { pipe, closed };

class Program {
 public:
  // Starts `path` with standard input from a pipe that stays open until
  // `finish` (or with none at all), and standard error to a file.
  Program(const std::string& path, const std::map<std::string, const char*>& changes,
          StandardInput input_kind = StandardInput::pipe)
      : errors_(std::filesystem::temp_directory_path() /
                ("x11_programs_" + std::to_string(getpid()) + "_" + std::to_string(++started_) + ".err")) {
    std::vector<std::string> environment = EnvironmentWith(changes);
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    int input[2];
    if (pipe(input) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      const int errors = open(errors_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      dup2(errors, STDERR_FILENO);
      const int devnull = open("/dev/null", O_WRONLY);
      dup2(devnull, STDOUT_FILENO);
      // Standard input last, so that no descriptor opened here takes its place.
      if (input_kind == StandardInput::pipe) {
        dup2(input[0], STDIN_FILENO);
      } else {
        close(STDIN_FILENO);
      }
      close(input[0]);
      close(input[1]);
      char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
      execve(path.c_str(), argv, envp.data());
      _exit(127);
    }
    close(input[0]);
    input_ = input[1];
  }

  // Types `line` and waits for the end; the exit code, or -1. A program
  // that has not ended within `patience` is killed.
  int finish(const std::string& line, std::chrono::seconds patience = std::chrono::seconds(300)) {
    if (input_ >= 0) {
      (void)!write(input_, line.data(), line.size());
      close(input_);
      input_ = -1;
    }
    if (pid_ <= 0) return -1;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(pid_, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline) {
      usleep(10'000);
    }
    if (ended == 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
    }
    pid_ = -1;
    return ended == 0 || !WIFEXITED(status) ? -1 : WEXITSTATUS(status);
  }

  std::string errors() const {
    std::ifstream in(errors_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  ~Program() {
    (void)finish("");
    std::filesystem::remove(errors_);
  }

 private:
  static inline int started_ = 0;
  pid_t pid_ = -1;
  int input_ = -1;
  std::filesystem::path errors_;
};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // colour values 0x00BBGGRR
};

Picture ReadPng(const std::string& path) {
  test_support::PngPicture png;
  if (!test_support::ReadPng(path, &png)) return {};
  return Picture{png.width, png.height, png.ColourValues()};
}

struct NoDisplayCase {
  const char* what;
  std::map<std::string, const char*> environment;
};

// The window cannot be created, the program's first drawing then meets the
// stopping default: one line names the headless display, exit code 1.
TEST(X11Programs, WithoutADisplayOneLineNamesTheHeadlessDisplayAndTheProgramStops) {
  const NoDisplayCase cases[] = {
      {"no DISPLAY", {{"DISPLAY", nullptr}, {"GRAPH_DISPLAY", nullptr}}},
      {"GRAPH_DISPLAY=x11 and no DISPLAY", {{"DISPLAY", nullptr}, {"GRAPH_DISPLAY", "x11"}}},
      {"no server at DISPLAY", {{"DISPLAY", ":4987"}, {"GRAPH_DISPLAY", nullptr}}},
  };
  for (const NoDisplayCase& c : cases) {
    Program program(HYPERBOLA_TRACE_PATH, c.environment);
    EXPECT_EQ(program.finish("\n"), 1) << c.what;
    const std::string errors = program.errors();
    EXPECT_NE(errors.find("GRAPH_DISPLAY=headless"), std::string::npos) << c.what << ": " << errors;
    EXPECT_EQ(errors.find("Graph display"), errors.rfind("Graph display")) << c.what << ": one line only\n" << errors;
    EXPECT_NE(errors.find("Error: Not in graphics mode"), std::string::npos) << c.what << ": " << errors;
  }
}

// Without a standard input the program's keys come from the null device:
// its final line read finds the end of input at once. The X connection must
// not become its standard input, or that read would wait on the X server
// for ever.
TEST(X11Programs, AProgramStartedWithoutStandardInputEndsByItself) {
  X11_TEST_REQUIRE_SERVER();
  Program program(HYPERBOLA_TRACE_PATH, {{"GRAPH_DISPLAY", "x11"}, {"GRAPH_SNAPSHOT", nullptr}},
                  StandardInput::closed);
  EXPECT_EQ(program.finish("", std::chrono::seconds(60)), 0) << "it did not end by itself: " << program.errors();
}

enum class WindowLoss { close_box, server_ends };

// The window goes away under a running program, by the user's close box or
// because the X server ends: the program is not stopped by it, draws on
// without a window and ends with code 0 after Enter.
TEST(X11Programs, AProgramWhoseWindowGoesAwayRunsOnAndEndsNormally) {
  X11_TEST_REQUIRE_SERVER();
  for (const WindowLoss loss : {WindowLoss::close_box, WindowLoss::server_ends}) {
    const char* const what = loss == WindowLoss::close_box ? "close box" : "server ends";
    x11_test::XvfbServer server;
    ASSERT_FALSE(server.display_name().empty()) << server.why();
    auto client = std::make_unique<Client>(server.display_name());
    ASSERT_NE(client->display(), nullptr);
    Program program(PARABOLA_FAN_PATH, {{"GRAPH_DISPLAY", "x11"}, {"DISPLAY", server.display_name().c_str()},
                                      {"GRAPH_SNAPSHOT", nullptr}});
    const XID window = client->wait_for_window("VokGraphWindow");
    ASSERT_NE(window, 0U) << what << ": " << program.errors();
    if (loss == WindowLoss::close_box) {
      client->send_delete(window);
      EXPECT_TRUE(Eventually([&] { return !client->exists(window); })) << what;
    } else {
      client.reset();
      server.stop();
    }
    EXPECT_EQ(program.finish("\n"), 0) << what << ": " << program.errors();
    if (loss == WindowLoss::server_ends) {
      EXPECT_NE(program.errors().find("connection to the X server"), std::string::npos) << program.errors();
    }
  }
}

struct Demo {
  const char* name;
  const char* path;
};

void PrintTo(const Demo& demo, std::ostream* out) { *out << demo.name; }

class X11ProgramPicture : public ::testing::TestWithParam<Demo> {};

// The window's pixels read back from the X server, the program's snapshot on
// X11 and its snapshot on the headless display are one picture.
TEST_P(X11ProgramPicture, WindowShowsTheHeadlessPicture) {
  X11_TEST_REQUIRE_SERVER();
  const Demo demo = GetParam();
  const std::string directory = std::filesystem::temp_directory_path() / ("x11_programs_" + std::to_string(getpid()));
  std::filesystem::create_directories(directory);
  const std::string headless_png = directory + "/" + demo.name + "_headless.png";
  const std::string x11_png = directory + "/" + demo.name + "_x11.png";

  // Both runs at once: the headless one only has to finish first. A work
  // area of the headless display's size gives the X11 run the same modes.
  Client client(SharedServer().display_name());
  ASSERT_NE(client.display(), nullptr);
  client.set_cardinals(client.root(), "_NET_WORKAREA", {0, 0, 1024, 738});
  Program shown(demo.path, {{"GRAPH_DISPLAY", "x11"}, {"GRAPH_SNAPSHOT", x11_png.c_str()}});
  {
    Program headless(demo.path, {{"GRAPH_DISPLAY", "headless"}, {"GRAPH_SCREEN", nullptr},
                                 {"GRAPH_SNAPSHOT", headless_png.c_str()}});
    ASSERT_EQ(headless.finish("\n"), 0) << headless.errors();
  }
  const Picture expected = ReadPng(headless_png);
  ASSERT_EQ(expected.width, 1024);
  ASSERT_EQ(expected.height, 719);

  const XID window = client.wait_for_window("VokGraphWindow", std::chrono::seconds(60));
  client.delete_property(client.root(), "_NET_WORKAREA");
  ASSERT_NE(window, 0U) << shown.errors();
  ASSERT_EQ(client.size(window), std::make_pair(1024, 719));
  EXPECT_TRUE(Eventually([&] { return client.pixels(window, 1024, 719) == expected.pixels; },
                         std::chrono::seconds(60)))
      << "the window never showed the headless picture";
  ASSERT_EQ(shown.finish("\n"), 0) << shown.errors();
  EXPECT_TRUE(Eventually([&] { return !client.exists(window); }));
  const Picture snapshot = ReadPng(x11_png);
  EXPECT_EQ(snapshot.width, expected.width);
  EXPECT_TRUE(snapshot.pixels == expected.pixels) << "the X11 snapshot differs from the headless one";
  std::filesystem::remove_all(directory);
}

INSTANTIATE_TEST_SUITE_P(Demonstrations, X11ProgramPicture,
                         ::testing::Values(Demo{"parabola_drift", PARABOLA_DRIFT_PATH},
                                           Demo{"parabola_fan", PARABOLA_FAN_PATH},
                                           Demo{"wave_trace", WAVE_TRACE_PATH},
                                           Demo{"hyperbola_trace", HYPERBOLA_TRACE_PATH}),
                         [](const ::testing::TestParamInfo<Demo>& info) { return std::string(info.param.name); });

}  // namespace
