# The project as one package: on Linux a Debian package (.deb) with the
# programs, the libraries and their headers, the CMake package and the
# pkg-config file; on Windows a ZIP with the same and a README for Windows
# users, whose programs run from the unpacked folder with no DLL beside them.
#
#   scripts/dev package default      build/default/inversion_<version>_<arch>.deb
#   scripts/dev package windows64    build/windows64/inversion-windows-x86_64.zip

set(CPACK_PACKAGE_NAME inversion)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Inversion in a circle: four demonstration programs and their graphics, console and runtime libraries")
set(CPACK_PACKAGE_CONTACT "Inversion maintainers <maintainers@inversion.invalid>")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
# The programs without their debugging information, which the build keeps.
set(CPACK_STRIP_FILES ON)

if(WIN32)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "i.86")
    set(inversion_windows_arch x86)
  else()
    set(inversion_windows_arch x86_64)
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME inversion-windows-${inversion_windows_arch})
  install(FILES ${PROJECT_SOURCE_DIR}/docs/windows/README.txt DESTINATION .)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
  # What the programs load (libpng, libX11, libXext and the C++ runtime),
  # found by dpkg-shlibdeps; what a program built on the libraries links
  # besides them, as the CMake and pkg-config files name it.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libpng-dev, libx11-dev, libxext-dev, pkg-config")
endif()

include(CPack)
