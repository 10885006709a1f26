# The platform layer on Windows: the layer's operations mapped onto
# kernel32, user32 and gdi32, with the few parts of its own that Windows
# lacks (a client area per window, a headless display, GRAPH_SNAPSHOT through
# the Windows Imaging Component, the console's pipe and in-memory objects).
# The parts that do not depend on the system are shared with POSIX.
target_link_libraries(platform PRIVATE gdi32 user32 ole32 windowscodecs uuid)

if(CMAKE_SYSTEM_PROCESSOR MATCHES "i.86")
  set(windows_context src/windows/exceptions/context_i686.cpp)
else()
  set(windows_context src/windows/exceptions/context_x86_64.cpp)
endif()

target_sources(platform PRIVATE
  src/console/console_input.cpp
  src/console/key_decoder.cpp
  src/console/key_events.cpp
  src/console/key_table.cpp
  src/console/screen_cells.cpp
  src/display/event_player.cpp
  src/display/event_script.cpp
  src/display/snapshot.cpp
  src/kernel/exit_callbacks.cpp
  src/kernel/handle_table.cpp
  src/kernel/screen_metrics.cpp
  src/user/client_size.cpp
  src/user/message_box_line.cpp
  src/windows/console/console_api.cpp
  src/windows/console/console_devices.cpp
  src/windows/console/console_mode.cpp
  src/windows/console/memory_screen.cpp
  src/windows/console/stream_keys.cpp
  src/windows/display/display_choice.cpp
  src/windows/display/display_outside.cpp
  src/windows/display/picture_file.cpp
  src/windows/display/png_file.cpp
  src/windows/display/snapshot_signals.cpp
  src/windows/display/system_metrics.cpp
  src/windows/exceptions/stack_limits.cpp
  src/windows/exceptions/unhandled_exception_filter.cpp
  ${windows_context}
  src/windows/gdi/drawing.cpp
  src/windows/gdi/objects.cpp
  src/windows/kernel/files.cpp
  src/windows/kernel/handles.cpp
  src/windows/kernel/layer_objects.cpp
  src/windows/kernel/process_exit.cpp
  src/windows/kernel/process_start.cpp
  src/windows/kernel/synchronisation.cpp
  src/windows/kernel/system.cpp
  src/windows/kernel/threads.cpp
  src/windows/kernel/usable_memory.cpp
  src/windows/user/client_area.cpp
  src/windows/user/message_box.cpp
  src/windows/user/messages.cpp
  src/windows/user/painting.cpp
  src/windows/user/window_classes.cpp
  src/windows/user/windows.cpp
)
