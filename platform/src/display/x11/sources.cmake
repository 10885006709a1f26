# The X11 display backend: X11 for windows, Xext for MIT-SHM images.
find_package(X11 REQUIRED)
if(NOT X11_Xext_FOUND OR NOT X11_XShm_FOUND)
  message(FATAL_ERROR "The X11 display needs libXext with MIT-SHM (Debian: libxext-dev)")
endif()
target_link_libraries(platform PRIVATE X11::X11 X11::Xext)

target_sources(platform PRIVATE
  src/display/x11/x11_backend.cpp
  src/display/x11/x11_connection.cpp
  src/display/x11/x11_image.cpp
  src/display/x11/x11_input.cpp
  src/display/x11/x11_keys.cpp
  src/display/x11/x11_metrics.cpp
  src/display/x11/x11_window.cpp
)
