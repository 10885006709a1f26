// The graph window's keyboard and mouse, read on the program's thread.
//
// The window's thread queues every key and mouse message of the window as
// it arrives (whether or not a CharMessageHandler or MouseMessageHandler
// also receives it); these routines take them from the queue in order. Keys
// follow the console's convention: a character is read as itself, a key
// that types none (a function key, a cursor key, Alt with a letter) as 0
// followed by its extended code (runtime/key_codes.h). Mouse positions are
// relative to the viewport at the time they are read.
//
// Only the polls (WindowKeyPressed, MouseEventPending, ReadMouseEvent,
// GetMouseState) never wait. Once the window is gone (closed by the user or
// by CloseGraph, or never opened) what was queued can still be read, and
// then the waits return at once with a result that says so.
//
// Scripted input (GRAPH_EVENTS) keeps in step through the waits: a snapshot
// or close step of a script is queued behind the input sent before it and
// takes effect when the program next waits (ReadWindowKey, WaitWindowEvent)
// with nothing in front of it left to read; input behind it is seen after.
#pragma once

#include <cstdint>

namespace graph {

// Mouse buttons, the bits of MouseEventType::Buttons and GetMouseState.
inline constexpr std::uint16_t mbLeft = 1;
inline constexpr std::uint16_t mbRight = 2;
inline constexpr std::uint16_t mbMiddle = 4;

// What a mouse event reports (MouseEventType::Kind). Moves that follow one
// another unread are one event, at the last position.
inline constexpr std::uint16_t meMoved = 1;
inline constexpr std::uint16_t mePressed = 2;
inline constexpr std::uint16_t meReleased = 3;
inline constexpr std::uint16_t meWheel = 4;

struct MouseEventType {
  std::uint16_t Kind;
  std::uint16_t Button;     // mePressed, meReleased: the button; otherwise 0
  std::uint16_t Buttons;    // the buttons held after the event
  std::int16_t X;           // where the pointer was, relative to the viewport
  std::int16_t Y;
  std::int16_t WheelSteps;  // meWheel: notches turned, positive away from the user
};

// Results of WaitWindowEvent.
inline constexpr std::int16_t weTimeout = 0;
inline constexpr std::int16_t weKey = 1;
inline constexpr std::int16_t weMouse = 2;
inline constexpr std::int16_t weClosed = -1;

// True when a key of the window waits to be read.
[[nodiscard]] bool WindowKeyPressed();

// Waits for a key of the window and returns its character, or 0 and then,
// at the next call, an extended key's code. Without a window, and with no
// key left to read, it returns 0 at once and sets GraphResult to grError.
[[nodiscard]] std::uint8_t ReadWindowKey();

// True when a mouse event waits to be read.
[[nodiscard]] bool MouseEventPending();

// Takes the oldest mouse event; false, leaving `event` as it was, when none
// waits.
[[nodiscard]] bool ReadMouseEvent(MouseEventType& event);

// Where the pointer is (relative to the viewport; -1, -1 from the window's
// top-left corner before it has been seen in the window) and the buttons held.
void GetMouseState(std::int16_t& x, std::int16_t& y, std::uint16_t& buttons);

// Waits at most `milliseconds` (win32::INFINITE, 0xFFFFFFFF, for no limit)
// until a key or mouse event waits, and says which comes first: weKey or
// weMouse; weTimeout when the time ran out; weClosed when the window is gone
// and nothing is left to read.
[[nodiscard]] std::int16_t WaitWindowEvent(std::uint32_t milliseconds);

}  // namespace graph
