# Compiler and linker settings shared by every target of the project.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

if(NOT CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
  message(FATAL_ERROR "The runtime needs the x87 unit: build on x86 or x86-64")
endif()

add_compile_options(-Wall -Wextra -Wpedantic -Werror -fno-omit-frame-pointer)

# Code addresses in run-time error reports are printed as 8 hex digits, so
# executables are linked at a fixed low address unless a sanitizer needs PIE.
option(INVERSION_NON_PIE "Link executables without position independence" ON)
if(INVERSION_NON_PIE)
  add_compile_options(-fno-pie)
  add_link_options(-no-pie)
endif()

set(INVERSION_SANITIZE "" CACHE STRING "Sanitizers to build with: address,undefined or thread")
if(INVERSION_SANITIZE)
  add_compile_options(-fsanitize=${INVERSION_SANITIZE} -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${INVERSION_SANITIZE})
endif()
