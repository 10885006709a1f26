// A program that writes its GRAPH_SNAPSHOT again and again, for the tests of
// processes that write one path at the same time:
//
//   snapshot_writer WRITER ROUNDS
//
// opens ROUNDS windows one after another on the display that GRAPH_DISPLAY
// names, draws the writer's picture of each round and destroys the window,
// which saves it; then ends through ExitProcess(0).
#include <cstdlib>

#include "platform/gdi.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "snapshot_writer_picture.h"

int main(int argc, char** argv) {
  using namespace win32;
  using namespace snapshot_test;
  if (argc != 3) return 2;
  const int writer = std::atoi(argv[1]);
  const int rounds = std::atoi(argv[2]);
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = DefWindowProcA;
  window_class.lpszClassName = "SnapshotWriter";
  if (RegisterClassA(&window_class) == 0) return 3;
  for (int round = 0; round < rounds; ++round) {
    // Without frame or caption the client area is the window's whole size.
    HWND window = CreateWindowExA(0, "SnapshotWriter", "", WS_POPUP, 0, 0, kWriterPictureWidth,
                                  kWriterPictureHeight, nullptr, nullptr, nullptr, nullptr);
    if (window == nullptr) return 4;
    HDC dc = GetDC(window);
    for (int y = 0; y < kWriterPictureHeight; ++y) {
      for (int x = 0; x < kWriterPictureWidth; ++x) SetPixelV(dc, x, y, WriterPixel(writer, round, x, y));
    }
    ReleaseDC(window, dc);
    DestroyWindow(window);
  }
  ExitProcess(0);
}
