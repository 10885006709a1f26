// The display seen from outside the program: what the user (or a test
// standing in for the user) does to a window, and what the display shows.
//
// The display backend is chosen once per process, at the first use of the
// display, from GRAPH_DISPLAY: "headless" draws on a virtual screen, "x11"
// (or no GRAPH_DISPLAY at all) a real desktop. GRAPH_SCREEN=WxH sets the
// virtual screen's size; GRAPH_SNAPSHOT=FILE.png saves a window's client
// area as PNG when the window is destroyed or the process ends, and a frame
// pattern such as GRAPH_SNAPSHOT=frames/frame-%03d.png one PNG per frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32_types.h"

namespace win32::display {

// The name of the backend in use ("headless", "x11"), or null when no
// backend could start (windows then cannot be created).
const char* backend_name();

// Closes a window as the user's close box does: WM_CLOSE is posted to the
// window's thread. False when the window no longer exists.
bool close_window_as_user(HWND window);

// What the display shows of a window's client area: one colour value
// (0x00BBGGRR, as COLORREF) per pixel, row by row from the top.
struct ClientPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// False when the window no longer exists.
bool read_client_area(HWND window, ClientPicture* picture);

// Saves what the window's client area shows as an 8-bit RGB PNG file at
// `path`, which appears whole or not at all. False when the window no
// longer exists or the file cannot be written; `error` then says why.
bool save_client_area(HWND window, const std::string& path, std::string* error);

// Scripted input (GRAPH_EVENTS) keeps in step with the program through
// checkpoints: this message, posted to the window behind the input that
// comes before it, with what the checkpoint stands for in wParam. A window
// procedure passes it (pass_script_checkpoint) once the program has handled
// that input; the graph window's does so when the program next waits for
// the window's input. DefWindowProcA passes it at once.
constexpr UINT kScriptCheckpointMessage = 0xBF00;  // in WM_APP's range
constexpr WPARAM kScriptStart = 0;     // the script's steps begin
constexpr WPARAM kScriptSnapshot = 1;  // the picture is saved as the next numbered PNG
constexpr WPARAM kScriptClose = 2;     // the window is closed, as by its close box

// Does what the checkpoint `what` stands for. False when the window no
// longer exists.
bool pass_script_checkpoint(HWND window, WPARAM what);

// The program marks the end of one frame of an animation: the picture in
// the window's client area is complete and about to be cleared. With a frame
// pattern in GRAPH_SNAPSHOT it is saved as the next numbered PNG (from 0;
// the window's last picture follows when it goes away); otherwise nothing
// happens. False when the window no longer exists.
bool end_frame(HWND window);

}  // namespace win32::display
