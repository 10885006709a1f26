# Text: the bitmap font, metrics and placement, stroke decoding and the
# generic OutTextXY routine.
target_sources(graphics_core PRIVATE
  src/text/default_font_data.cpp
  src/text/out_text_default.cpp
  src/text/stroke_decoding.cpp
  src/text/stroked_text.cpp
  src/text/text_metrics.cpp
  src/text/text_state.cpp
  src/text/text_support.h
)
