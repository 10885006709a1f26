# Fails when a header, with everything it includes, reaches a backend header
# (X11, termios, libpng) or a file in a library's private src/ folder.
#
#   cmake -DCOMPILER=c++ -DINCLUDE_DIRS="a|b" -DPROJECT_DIR=... -DHEADERS="x/y.h|..." -P this
string(REPLACE "|" ";" INCLUDE_DIRS "${INCLUDE_DIRS}")
string(REPLACE "|" ";" HEADERS "${HEADERS}")
set(forbidden_patterns
  "/X11/"
  "/termios\\.h$"
  "/png\\.h$"
  "/pngconf\\.h$"
  "^${PROJECT_DIR}/[^/]+/src/")

set(include_flags "")
foreach(dir IN LISTS INCLUDE_DIRS)
  list(APPEND include_flags -I${dir})
endforeach()

set(faults 0)
foreach(header IN LISTS HEADERS)
  # -H lists every file the preprocessor opens, one per line, dotted by depth.
  string(MAKE_C_IDENTIFIER "${header}" probe)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${probe}.cpp "#include \"${header}\"\n")
  execute_process(
    COMMAND ${COMPILER} -std=c++20 -E -H ${include_flags} ${probe}.cpp -o /dev/null
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    RESULT_VARIABLE result
    ERROR_VARIABLE opened)
  if(NOT result EQUAL 0)
    message(SEND_ERROR "${header} does not preprocess alone:\n${opened}")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()
  string(REPLACE "\n" ";" opened "${opened}")
  foreach(line IN LISTS opened)
    if(NOT line MATCHES "^\\.+ (.+)$")
      continue()
    endif()
    file(REAL_PATH "${CMAKE_MATCH_1}" path BASE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    foreach(pattern IN LISTS forbidden_patterns)
      if(path MATCHES "${pattern}")
        message("${header} includes ${path}")
        math(EXPR faults "${faults} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults GREATER 0)
  message(FATAL_ERROR "${faults} fault(s): headers that do not stand alone or reach backend or private headers")
endif()
list(LENGTH HEADERS count)
message("${count} headers include no backend or private header")
