# Circles, arcs, ellipses, pie slices and sectors, and their span filling;
# part of the graphics core.
target_sources(graphics_core PRIVATE
  src/circles/arcs.cpp
  src/circles/circle.cpp
  src/circles/ellipse.cpp
  src/circles/ellipse_geometry.h
  src/circles/fill_pattern.h
  src/circles/pattern_line.cpp
  src/circles/sectors.cpp
  src/circles/x87_trig.h
)
