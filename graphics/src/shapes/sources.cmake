# Rectangles, bars, polylines, filled polygons and the flood fill, with the
# figures that the XOR write mode draws whole; part of the graphics core.
target_sources(graphics_core PRIVATE
  src/shapes/figure.cpp
  src/shapes/figure.h
  src/shapes/flood_fill.cpp
  src/shapes/polygon_inside.cpp
  src/shapes/polygon_inside.h
  src/shapes/polygons.cpp
  src/shapes/rectangles.cpp
)
