# Sources of the exceptions part of the platform layer.
target_sources(platform PRIVATE
  src/exceptions/signal_translation.cpp
  src/exceptions/stack_limits.cpp
  src/exceptions/unhandled_exception_filter.cpp
)
