# The installed package: the exported targets with their CMake config and
# version files, and a pkg-config file. Included once every target exists,
# so that the dependencies it records follow what the libraries link.

include(CMakePackageConfigHelpers)

get_property(inversion_libraries GLOBAL PROPERTY INVERSION_INSTALLED_LIBRARIES)

# Each outside library that an installed library links (privately as well:
# a static library's users link its dependencies) becomes a find_dependency()
# call of the config file and a pkg-config module or linker flag. A new
# dependency without an entry here stops the configuration, so that the
# package cannot silently lose it.
set(inversion_find_packages "")
set(INVERSION_PC_REQUIRES "")
set(inversion_pc_system_libs "")
foreach(library IN LISTS inversion_libraries ITEMS graphics_core)
  get_target_property(links ${library} LINK_LIBRARIES)
  foreach(item IN LISTS links)
    if(item IN_LIST inversion_libraries OR item STREQUAL "graphics_core" OR NOT item)
      continue()
    elseif(item STREQUAL "Threads::Threads")
      list(APPEND inversion_find_packages Threads)
      list(APPEND inversion_pc_system_libs -pthread)
    elseif(item STREQUAL "dl")
      list(APPEND inversion_pc_system_libs -ldl)
    elseif(item STREQUAL "PNG::PNG")
      list(APPEND inversion_find_packages PNG)
      list(APPEND INVERSION_PC_REQUIRES libpng)
    elseif(item STREQUAL "X11::X11")
      list(APPEND inversion_find_packages X11)
      list(APPEND INVERSION_PC_REQUIRES x11)
    elseif(item STREQUAL "X11::Xext")
      list(APPEND inversion_find_packages X11)
      list(APPEND INVERSION_PC_REQUIRES xext)
    elseif(item MATCHES "^(gdi32|user32|ole32|windowscodecs|uuid)$")
      # Windows' own libraries, which every mingw-w64 toolchain has.
      list(APPEND inversion_pc_system_libs -l${item})
    else()
      message(FATAL_ERROR "The installed package does not know how a user links '${item}' "
                          "(linked by ${library}): add it to cmake/InversionPackage.cmake")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES inversion_find_packages)
list(REMOVE_DUPLICATES INVERSION_PC_REQUIRES)
list(REMOVE_DUPLICATES inversion_pc_system_libs)

set(INVERSION_FIND_DEPENDENCIES "")
foreach(package IN LISTS inversion_find_packages)
  string(APPEND INVERSION_FIND_DEPENDENCIES "find_dependency(${package})\n")
endforeach()

install(EXPORT ${INVERSION_EXPORT_SET}
  NAMESPACE ${INVERSION_PACKAGE_NAMESPACE}
  DESTINATION ${INVERSION_INSTALL_CMAKEDIR})

configure_package_config_file(
  ${CMAKE_CURRENT_LIST_DIR}/InversionConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/${INVERSION_PACKAGE_NAME}Config.cmake
  INSTALL_DESTINATION ${INVERSION_INSTALL_CMAKEDIR})
# Before 1.0 a minor version may change the interface.
write_basic_package_version_file(
  ${CMAKE_CURRENT_BINARY_DIR}/${INVERSION_PACKAGE_NAME}ConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMinorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/${INVERSION_PACKAGE_NAME}Config.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/${INVERSION_PACKAGE_NAME}ConfigVersion.cmake
  DESTINATION ${INVERSION_INSTALL_CMAKEDIR})

# The pkg-config file finds the prefix from its own place, so the installed
# tree can be moved. Static libraries: their dependencies go into Requires
# and Libs, not the .private fields that only --static reads.
set(inversion_pc_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH INVERSION_PC_PREFIX_FROM_PCFILEDIR /prefix/${inversion_pc_dir} /prefix)
string(REGEX REPLACE "/$" "" INVERSION_PC_PREFIX_FROM_PCFILEDIR "${INVERSION_PC_PREFIX_FROM_PCFILEDIR}")
list(JOIN INVERSION_PC_REQUIRES " " INVERSION_PC_REQUIRES)
list(JOIN INVERSION_CONSUMER_COMPILE_OPTIONS " " INVERSION_PC_CFLAGS)
set(inversion_pc_libs "")
foreach(library IN LISTS inversion_libraries)
  list(PREPEND inversion_pc_libs -linversion_${library})
endforeach()
list(APPEND inversion_pc_libs ${inversion_pc_system_libs} ${INVERSION_CONSUMER_LINK_OPTIONS})
list(JOIN inversion_pc_libs " " INVERSION_PC_LIBS)
configure_file(${CMAKE_CURRENT_LIST_DIR}/inversion.pc.in
  ${CMAKE_CURRENT_BINARY_DIR}/inversion.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/inversion.pc DESTINATION ${inversion_pc_dir})
