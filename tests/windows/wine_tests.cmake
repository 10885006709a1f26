# The Windows tests on this machine: built with the cross compiler and run
# under Wine, in one Wine environment per test run (wine_environment): a fresh
# prefix and an Xvfb that the run starts and stops itself. Each test program
# is one CTest test, so that a run starts few Windows processes.

# GoogleTest for the Windows target, from the sources that Debian's
# googletest package installs, with its own compiler options.
set(INVERSION_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources, built for Windows")
if(NOT EXISTS ${INVERSION_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${INVERSION_GOOGLETEST_SOURCE} (Debian: googletest)")
endif()
get_directory_property(inversion_test_options COMPILE_OPTIONS)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${INVERSION_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "${inversion_test_options}")

# Programs that the tests start see the build through Wine's drive Z:.
set(INVERSION_TEST_DRIVE "Z:")

set(inversion_wine_environment ${CMAKE_BINARY_DIR}/wine-environment)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine_run ${inversion_wine_environment})

add_test(NAME WineEnvironment.Start COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine_environment start ${inversion_wine_environment})
add_test(NAME WineEnvironment.Stop COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine_environment stop ${inversion_wine_environment})
set_tests_properties(WineEnvironment.Start PROPERTIES FIXTURES_SETUP wine_environment TIMEOUT 120)
set_tests_properties(WineEnvironment.Stop PROPERTIES FIXTURES_CLEANUP wine_environment)

# The suites after `name` run in a process of their own each, and the rest
# of the program in another.
function(inversion_register_test name)
  set(apart "")
  foreach(suite IN LISTS ARGN)
    add_test(NAME ${name}.${suite} COMMAND ${name} --gtest_filter=${suite}.*)
    set_tests_properties(${name}.${suite} PROPERTIES FIXTURES_REQUIRED wine_environment TIMEOUT 600)
    list(APPEND apart "${suite}.*")
  endforeach()
  if(apart)
    list(JOIN apart ":" apart)
    add_test(NAME ${name} COMMAND ${name} --gtest_filter=-${apart})
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_environment TIMEOUT 600)
endfunction()
