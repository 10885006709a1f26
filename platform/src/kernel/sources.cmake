target_sources(platform PRIVATE
  src/kernel/critical_section.cpp
  src/kernel/descriptor_file.cpp
  src/kernel/event.cpp
  src/kernel/file.cpp
  src/kernel/file_errors.cpp
  src/kernel/file_io.cpp
  src/kernel/handle_table.cpp
  src/kernel/handles.cpp
  src/kernel/last_error.cpp
  src/kernel/process.cpp
  src/kernel/sleep.cpp
  src/kernel/std_handles.cpp
  src/kernel/thread.cpp
)
