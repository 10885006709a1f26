target_sources(platform PRIVATE
  src/kernel/handle_table.cpp
)
