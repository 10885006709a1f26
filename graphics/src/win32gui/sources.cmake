# The WIN32GUI window driver's sources, part of the graphics library.
target_sources(graphics PRIVATE
  src/win32gui/clear_viewport.cpp
  src/win32gui/image_win32gui.cpp
  src/win32gui/mode_init.cpp
  src/win32gui/mode_table.cpp
  src/win32gui/mode_table.h
  src/win32gui/palette.cpp
  src/win32gui/pixels.cpp
  src/win32gui/runs.cpp
  src/win32gui/scan_line.cpp
  src/win32gui/text_win32gui.cpp
  src/win32gui/win32gui_state.cpp
  src/win32gui/window_input.cpp
  src/win32gui/window_input_queue.cpp
  src/win32gui/window_keys.cpp
  src/win32gui/window_proc.cpp
  src/win32gui/window_update.cpp
  src/win32gui/window_thread.cpp
)
