# Install helpers shared by the libraries and the programs.
#
# Each library calls inversion_install_library() at the end of its own
# CMakeLists.txt, each program folder calls inversion_install_programs();
# the package files (CMake config, version file, pkg-config file) are
# written by InversionPackage.cmake once every target exists.

include(GNUInstallDirs)

set(INVERSION_EXPORT_SET InversionTargets)
set(INVERSION_PACKAGE_NAME Inversion)
set(INVERSION_PACKAGE_NAMESPACE inversion::)
# Headers keep their library folder (graphics/graph.h) below a folder of the
# package's own, so that names like runtime/ or platform/ cannot collide with
# other packages installed under the same prefix.
set(INVERSION_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/inversion)
set(INVERSION_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/${INVERSION_PACKAGE_NAME})

# The flags that a program must build and link with to match the installed
# libraries: the libraries are compiled without position independence when
# INVERSION_NON_PIE is on (run-time error reports print 8-digit code
# addresses), keep frame pointers for the runtime's stack dump, and a
# sanitizer build needs its runtime in the final link.
set(INVERSION_CONSUMER_COMPILE_OPTIONS -fno-omit-frame-pointer)
set(INVERSION_CONSUMER_LINK_OPTIONS "")
if(WIN32)
  # The frame-pointer chain through the program's own frames (see
  # ProjectOptions.cmake), and a program that runs with no DLL beside it.
  list(APPEND INVERSION_CONSUMER_COMPILE_OPTIONS -fno-asynchronous-unwind-tables -fno-exceptions)
  list(APPEND INVERSION_CONSUMER_LINK_OPTIONS -static)
endif()
if(INVERSION_NON_PIE)
  list(APPEND INVERSION_CONSUMER_COMPILE_OPTIONS -fno-pie)
  list(APPEND INVERSION_CONSUMER_LINK_OPTIONS -no-pie)
endif()
if(INVERSION_SANITIZE)
  list(APPEND INVERSION_CONSUMER_COMPILE_OPTIONS -fsanitize=${INVERSION_SANITIZE})
  list(APPEND INVERSION_CONSUMER_LINK_OPTIONS -fsanitize=${INVERSION_SANITIZE})
endif()

# The static libraries in the order they are defined, each after those it
# uses; the pkg-config file links them in the reverse order.
set_property(GLOBAL PROPERTY INVERSION_INSTALLED_LIBRARIES "")

# Installs a library target into the export set under the package namespace
# (inversion::<target>), with the public headers (the include/ tree of the
# calling directory) when they are the target's own.
#
# A static library is installed as libinversion_<target>.a, so that its
# generic name cannot clash with other libraries under a shared prefix. An
# object library is exported for its usage requirements only: its objects
# are already inside the static library that links it.
#
# The target's public include directory is the source tree's include/ in the
# build tree and the installed header folder in the installed package.
function(inversion_install_library target)
  set(public_headers ${CMAKE_CURRENT_SOURCE_DIR}/include)
  get_target_property(build_includes ${target} INTERFACE_INCLUDE_DIRECTORIES)
  if(public_headers IN_LIST build_includes)
    set(includes "")
    foreach(dir IN LISTS build_includes)
      if(dir MATCHES "^\\$<")
        list(APPEND includes "${dir}")
      else()
        list(APPEND includes "$<BUILD_INTERFACE:${dir}>")
      endif()
    endforeach()
    list(APPEND includes "$<INSTALL_INTERFACE:${INVERSION_INSTALL_INCLUDEDIR}>")
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${includes}")
    install(DIRECTORY ${public_headers}/
      DESTINATION ${INVERSION_INSTALL_INCLUDEDIR}
      FILES_MATCHING PATTERN "*.h")
  endif()

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    set_target_properties(${target} PROPERTIES OUTPUT_NAME inversion_${target})
    target_compile_features(${target} INTERFACE cxx_std_20)
    target_compile_options(${target} INTERFACE
      "$<INSTALL_INTERFACE:${INVERSION_CONSUMER_COMPILE_OPTIONS}>")
    if(INVERSION_CONSUMER_LINK_OPTIONS)
      target_link_options(${target} INTERFACE
        "$<INSTALL_INTERFACE:${INVERSION_CONSUMER_LINK_OPTIONS}>")
    endif()
    set_property(GLOBAL APPEND PROPERTY INVERSION_INSTALLED_LIBRARIES ${target})
  endif()

  install(TARGETS ${target}
    EXPORT ${INVERSION_EXPORT_SET}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
endfunction()

# Installs programs (the demonstrations, the examples) into bin/.
function(inversion_install_programs)
  install(TARGETS ${ARGN} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
