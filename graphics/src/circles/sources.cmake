# Circles, ellipses and their span filling, part of the graphics core.
target_sources(graphics_core PRIVATE
  src/circles/circle.cpp
  src/circles/ellipse.cpp
  src/circles/fill_pattern.h
  src/circles/pattern_line.cpp
  src/circles/x87_trig.h
)
