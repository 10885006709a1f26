# Sources of the display part of the platform layer: the user part (windows,
# message queues, painting), the GDI part (device contexts, drawing) and the
# display backends below them.
find_package(PNG REQUIRED)
target_link_libraries(platform PRIVATE PNG::PNG)

target_sources(platform PRIVATE
  src/display/backend_table.cpp
  src/display/display_outside.cpp
  src/display/event_player.cpp
  src/display/event_script.cpp
  src/display/headless_backend.cpp
  src/display/picture_file.cpp
  src/display/png_file.cpp
  src/display/snapshot.cpp
  src/display/snapshot_signals.cpp
  src/display/system_metrics.cpp
  src/display/window_pictures.cpp
  src/gdi/device_context.cpp
  src/gdi/gdi_blit.cpp
  src/gdi/gdi_dib.cpp
  src/gdi/gdi_lines.cpp
  src/gdi/gdi_objects.cpp
  src/gdi/gdi_pixels.cpp
  src/gdi/surface.cpp
  src/user/message_box.cpp
  src/user/client_size.cpp
  src/user/message_box_line.cpp
  src/user/message_queue.cpp
  src/user/painting.cpp
  src/user/window.cpp
  src/user/window_class.cpp
  src/user/window_queries.cpp
)
include(src/display/x11/sources.cmake)
