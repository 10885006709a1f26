# Compiler and linker settings shared by every target of the project.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

if(NOT CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
  message(FATAL_ERROR "The runtime needs the x87 unit: build on x86 or x86-64")
endif()

# All model arithmetic is done in the x87 unit's 80-bit extended format.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles([=[
#include <limits>
static_assert(std::numeric_limits<long double>::digits == 64, "a 64-bit significand");
int main() {}
]=] INVERSION_LONG_DOUBLE_IS_X87)
if(NOT INVERSION_LONG_DOUBLE_IS_X87)
  message(FATAL_ERROR "A compiler whose long double is 64 bits cannot build the model arithmetic.")
endif()

add_compile_options(-Wall -Wextra -Wpedantic -Werror -fno-omit-frame-pointer)

# Code addresses in run-time error reports are printed as 8 hex digits, so
# executables are linked at a fixed low address unless a sanitizer needs PIE.
option(INVERSION_NON_PIE "Link executables without position independence" ON)
if(INVERSION_NON_PIE)
  add_compile_options(-fno-pie)
  add_link_options(-no-pie)
  # Windows' 64-bit default would put the image above 4 GiB.
  if(WIN32)
    add_link_options(-Wl,--image-base=0x400000)
  endif()
endif()

# On 64-bit Windows, unwind tables for structured exceptions let the
# compiler put the frame pointer anywhere in a large frame, which breaks the
# chain of saved frame pointers that the run-time error report follows. The
# libraries and programs are built without them, and so without C++
# exceptions, which they never throw; the platform takes processor faults
# with a vectored handler, which needs no unwinding. Test programs turn both
# back on (tests/CMakeLists.txt).
if(WIN32)
  add_compile_options(-fno-asynchronous-unwind-tables -fno-exceptions)
endif()

# On Windows a folder of programs runs with no DLL beside it: the C and C++
# runtimes and the thread library are linked into each executable.
if(WIN32)
  add_link_options(-static)
endif()

set(INVERSION_SANITIZE "" CACHE STRING "Sanitizers to build with: address,undefined or thread")
if(INVERSION_SANITIZE)
  add_compile_options(-fsanitize=${INVERSION_SANITIZE} -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${INVERSION_SANITIZE})
endif()
