// Windows and their messages: creation, painting, destruction, classes,
// message boxes.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "platform/display.h"
#include "platform/kernel.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "user_test_support.h"

namespace {

using namespace win32;
using user_test::OpenWindow;
using user_test::Recorder;

class UserWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    user_test::RecordingClass();
    Recorder::instance().take();
  }
  void TearDown() override {
    user_test::DrainQueue();
    Recorder::instance().take();
  }
};

TEST_F(UserWindow, CreationSendsItsMessagesAndTheClientAreaIsTheOuterSizeLessFrameAndCaption) {
  HWND window = OpenWindow(100, 80, "Graph window application");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Recorder::instance().take_messages(),
            (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SHOWWINDOW, WM_SIZE}));
  RECT client{};
  ASSERT_TRUE(GetClientRect(window, &client));
  EXPECT_EQ(client.right, 100);
  EXPECT_EQ(client.bottom, 80);
  char text[64];
  EXPECT_EQ(GetWindowTextA(window, text, sizeof text), 24);
  EXPECT_STREQ(text, "Graph window application");
  EXPECT_EQ(GetClassNameA(window, text, 10), 9);  // cut to the buffer
  EXPECT_STREQ(text, "Recording");
  EXPECT_TRUE(IsWindowVisible(window));

  display::ClientPicture picture;
  ASSERT_TRUE(display::read_client_area(window, &picture));
  EXPECT_EQ(picture.width, 100);
  EXPECT_EQ(picture.height, 80);
  EXPECT_EQ(picture.pixels, std::vector<std::uint32_t>(100 * 80, 0));
  EXPECT_TRUE(DestroyWindow(window));
}

TEST_F(UserWindow, UpdateWindowPaintsBeforeItReturnsAndOnlyOnce) {
  HWND window = OpenWindow(10, 10);
  Recorder::instance().take();
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(window, &update, FALSE));
  EXPECT_EQ(update.right, 10);
  EXPECT_TRUE(UpdateWindow(window));
  EXPECT_EQ(Recorder::instance().take_messages(), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
  EXPECT_FALSE(GetUpdateRect(window, &update, FALSE));
  EXPECT_TRUE(UpdateWindow(window));
  MSG message;
  EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_TRUE(Recorder::instance().take_messages().empty());
  DestroyWindow(window);
}

TEST_F(UserWindow, PostedMessagesComeFirstInOrderThenQuitThenPaint) {
  HWND window = OpenWindow(10, 10);
  UpdateWindow(window);
  ASSERT_TRUE(PostMessageA(window, WM_USER + 1, 11, 0));
  ASSERT_TRUE(PostMessageA(nullptr, WM_USER + 2, 22, 0));  // a thread message
  RECT part{2, 3, 4, 5};
  InvalidateRect(window, &part, FALSE);
  PostQuitMessage(7);
  ASSERT_TRUE(PostMessageA(window, WM_USER + 3, 33, 0));

  MSG message;
  std::vector<UINT> order;
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    order.push_back(message.message);
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_USER + 3}));
  EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
  EXPECT_EQ(message.message, WM_QUIT);
  EXPECT_EQ(message.wParam, 7u);

  ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
  EXPECT_EQ(message.message, WM_PAINT);
  EXPECT_EQ(message.hwnd, window);
  RECT update{};
  GetUpdateRect(window, &update, FALSE);
  EXPECT_EQ(update.left, 2);
  EXPECT_EQ(update.bottom, 5);
  DispatchMessageA(&message);
  EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
  DestroyWindow(window);
}

TEST_F(UserWindow, FiltersSelectByWindowAndRangeAndNoRemoveLeavesTheMessage) {
  HWND first = OpenWindow(4, 4);
  HWND second = OpenWindow(4, 4);
  UpdateWindow(first);
  UpdateWindow(second);
  PostMessageA(first, WM_USER, 1, 0);
  PostMessageA(second, WM_KEYDOWN, 2, 0);
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, second, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(message.wParam, 2u);
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_KEYDOWN, WM_CHAR, PM_REMOVE));
  EXPECT_EQ(message.hwnd, second);
  EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_USER + 1, WM_USER + 1, PM_NOREMOVE));
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_REMOVE));
  EXPECT_EQ(message.hwnd, first);
  EXPECT_EQ(GetMessageA(&message, reinterpret_cast<HWND>(std::uintptr_t{0x7FFF0000}), 0, 0), -1);
  DestroyWindow(first);
  DestroyWindow(second);
}

TEST_F(UserWindow, DestroyWindowSendsDestroyThenNcDestroyAndDropsItsMessages) {
  HWND window = OpenWindow(4, 4);
  UpdateWindow(window);
  PostMessageA(window, WM_USER, 0, 0);
  HDC dc = GetDC(window);
  std::thread other([&] {
    EXPECT_FALSE(DestroyWindow(window));  // only the window's own thread may
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  });
  other.join();
  Recorder::instance().take();
  ASSERT_TRUE(DestroyWindow(window));
  EXPECT_EQ(Recorder::instance().take_messages(), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
  EXPECT_FALSE(IsWindow(window));
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));  // only the quit request is left
  EXPECT_EQ(message.message, WM_QUIT);
  EXPECT_FALSE(PostMessageA(window, WM_USER, 0, 0));
  EXPECT_FALSE(DestroyWindow(window));
  EXPECT_EQ(ReleaseDC(window, dc), 1);  // a context outlives its window until released
}

TEST_F(UserWindow, WindowContextsDrawOnTheClientAreaAndPaintingIsClippedToTheUpdate) {
  HWND window = OpenWindow(6, 4);
  UpdateWindow(window);
  HDC dc = GetDC(window);
  EXPECT_TRUE(SetPixelV(dc, 5, 3, RGB(1, 2, 3)));
  EXPECT_FALSE(SetPixelV(dc, 6, 0, RGB(1, 2, 3)));  // outside the client area
  EXPECT_EQ(GetPixel(dc, 5, 3), RGB(1, 2, 3));
  EXPECT_EQ(ReleaseDC(window, dc), 1);
  EXPECT_EQ(ReleaseDC(window, dc), 0);

  // A repaint of part of the window: the paint context erases and draws
  // only there.
  RECT part{1, 1, 3, 2};
  InvalidateRect(window, &part, TRUE);
  PAINTSTRUCT paint;
  HDC paint_dc = BeginPaint(window, &paint);
  ASSERT_NE(paint_dc, nullptr);
  EXPECT_EQ(paint.rcPaint.left, 1);
  EXPECT_EQ(paint.rcPaint.right, 3);
  EXPECT_FALSE(paint.fErase);  // the class brush erased it
  SelectObject(paint_dc, GetStockObject(WHITE_BRUSH));
  BitBlt(paint_dc, 0, 0, 6, 4, nullptr, 0, 0, PATCOPY);
  EndPaint(window, &paint);

  display::ClientPicture picture;
  ASSERT_TRUE(display::read_client_area(window, &picture));
  std::string mask;
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) {
      const std::uint32_t pixel = picture.pixels[static_cast<std::size_t>(y * 6 + x)];
      mask += pixel == 0xFFFFFF ? '#' : pixel == RGB(1, 2, 3) ? 'o' : '.';
    }
    mask += '\n';
  }
  EXPECT_EQ(mask, "......\n.##...\n......\n.....o\n");
  DestroyWindow(window);
}

TEST_F(UserWindow, CloseBoxClosesThroughWmClose) {
  HWND window = OpenWindow(4, 4);
  UpdateWindow(window);
  Recorder::instance().take();
  ASSERT_TRUE(display::close_window_as_user(window));
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  EXPECT_EQ(Recorder::instance().take_messages(), (std::vector<UINT>{WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(display::close_window_as_user(window));
}

TEST_F(UserWindow, TranslateMessageMakesTheCharacterTheNextMessage) {
  HWND window = OpenWindow(4, 4);
  UpdateWindow(window);
  PostMessageA(window, WM_KEYDOWN, 'Q', 0x10001);
  PostMessageA(window, WM_USER, 0, 0);
  MSG message;
  ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
  EXPECT_TRUE(TranslateMessage(&message));
  ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
  EXPECT_EQ(message.message, WM_CHAR);
  EXPECT_EQ(message.wParam, WPARAM{'q'});
  EXPECT_FALSE(TranslateMessage(&message));
  DestroyWindow(window);
}

TEST(UserKeys, PunctuationAndKeypadKeysTypeTheirCharactersWithoutShift) {
  const std::pair<WPARAM, WPARAM> keys[] = {{VK_OEM_PLUS, '='}, {VK_OEM_MINUS, '-'}, {VK_ADD, '+'},
                                            {VK_SUBTRACT, '-'}, {VK_NUMPAD0 + 7, '7'}, {VK_OEM_5, '\\'},
                                            {VK_F1, 0},         {VK_LEFT, 0}};
  for (const auto& [key, character] : keys) {
    const MSG press{nullptr, WM_KEYDOWN, key, 0, 0, POINT{0, 0}};
    EXPECT_EQ(TranslateMessage(&press), character != 0 ? TRUE : FALSE) << key;
    MSG typed{};
    const BOOL found = PeekMessageA(&typed, nullptr, 0, 0, PM_REMOVE);
    EXPECT_EQ(found, character != 0 ? TRUE : FALSE) << key;
    if (found) {
      EXPECT_EQ(typed.wParam, character) << key;
    }
  }
}

TEST(UserClasses, RegisteredOnceAndFoundByNameWhateverTheCase) {
  user_test::RecordingClass();
  WNDCLASSA again{};
  again.lpfnWndProc = user_test::RecordingProc;
  again.lpszClassName = "recordingwindow";
  EXPECT_EQ(RegisterClassA(&again), 0);
  EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
  WNDCLASSA nameless{};
  nameless.lpfnWndProc = user_test::RecordingProc;
  EXPECT_EQ(RegisterClassA(&nameless), 0);
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);

  EXPECT_NE(LoadIconA(nullptr, IDI_APPLICATION), nullptr);
  EXPECT_EQ(LoadIconA(nullptr, IDI_APPLICATION), LoadIconA(nullptr, IDI_APPLICATION));
  EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
  EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
}

TEST(UserMessageBox, WritesOneLineOnStandardErrorAndReturnsOk) {
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBoxA(nullptr, "Window creation failed", nullptr, MB_OK), IDOK);
  EXPECT_EQ(MessageBoxA(nullptr, "two\nlines", "Caption", MB_OK), IDOK);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Window creation failed\nCaption: two lines\n");
}

}  // namespace
