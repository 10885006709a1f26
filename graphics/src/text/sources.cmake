# Text: the bitmap font, metrics and placement, the settings, stroke
# decoding, the generic OutTextXY routine and OutText. The stroked faces are
# part of graphics_core (stroked_faces.cmake).
target_sources(graphics_core PRIVATE
  src/text/default_font_data.cpp
  src/text/out_text.cpp
  src/text/out_text_default.cpp
  src/text/stroke_decoding.cpp
  src/text/stroked_text.cpp
  src/text/text_metrics.cpp
  src/text/text_settings.cpp
  src/text/text_state.cpp
  src/text/text_support.h
)
