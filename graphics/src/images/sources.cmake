# Images: the block format, the generic image routines and the checked image.
target_sources(graphics_core PRIVATE
  src/images/image.cpp
  src/images/image_block_layout.h
  src/images/image_placement.cpp
  src/images/image_placement.h
  src/images/image_routines.cpp
)
