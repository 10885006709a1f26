# The WIN32GUI window driver's sources, part of the graphics library.
target_sources(graphics PRIVATE
  src/win32gui/win32gui.h
)
