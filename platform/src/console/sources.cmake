# Sources of the console part of the platform layer.
target_sources(platform PRIVATE
  src/console/console_api.cpp
  src/console/console_input.cpp
  src/console/input_sources.cpp
  src/console/key_decoder.cpp
  src/console/key_events.cpp
  src/console/key_table.cpp
  src/console/process_console.cpp
  src/console/screen_buffer.cpp
  src/console/screen_cells.cpp
  src/console/terminal_mode.cpp
  src/console/terminal_query.cpp
  src/console/terminal_writer.cpp
)
