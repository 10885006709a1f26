# The built-in stroked faces, converted from the Hershey fonts at build time
# by tools/stroked_fonts/make_stroked_fonts into a source of graphics_core.
#
# Each entry is NAME=FILE[:XSCALE:YSCALE]: the font name that InstallUserFont
# gives the face, the Hershey file it comes from, and optional scales of its
# units. The reference page (docs/reference/graphics.md) says what each is.
set(GRAPH_STROKED_FACES
  TRIP=rowmant.jhf             # Roman triplex
  LITT=rowmans.jhf:2/3:2/3     # Roman simplex on a grid two thirds as fine: small text
  SANS=rowmand.jhf             # Roman duplex: sans-serif, double strokes
  GOTH=gothiceng.jhf           # Gothic English
  SCRI=scripts.jhf             # Script simplex
  SIMP=rowmans.jhf             # Roman simplex
  TSCR=scriptc.jhf             # Script complex, the heavier script
  LCOM=timesr.jhf              # Roman complex
  EURO=rowmans.jhf:4/3:1/1     # Roman simplex widened by a third
  BOLD=timesrb.jhf             # Roman bold, a triplex face
)

# The files are read on the build machine, also by a cross build.
find_path(HERSHEY_FONTS_DIR rowmans.jhf
  PATHS /usr/share/hershey-fonts /usr/local/share/hershey-fonts
  NO_CMAKE_FIND_ROOT_PATH
  DOC "Folder of the Hershey font files (.jhf) the stroked faces are built from")
if(NOT HERSHEY_FONTS_DIR)
  message(FATAL_ERROR "The graphics library's stroked fonts are built from the Hershey fonts: "
                      "install the Debian package hershey-fonts-data (scripts/dev does), or set "
                      "HERSHEY_FONTS_DIR to a folder holding its .jhf files")
endif()

set(graph_hershey_files "")
foreach(face IN LISTS GRAPH_STROKED_FACES)
  string(REGEX REPLACE "^[^=]*=([^:]*).*$" "${HERSHEY_FONTS_DIR}/\\1" file "${face}")
  list(APPEND graph_hershey_files "${file}")
endforeach()
list(REMOVE_DUPLICATES graph_hershey_files)

set(HERSHEY_FONTS_NOTICE ${PROJECT_SOURCE_DIR}/tools/stroked_fonts/hershey_fonts_notice.txt)
set(graph_stroked_faces_source ${CMAKE_CURRENT_BINARY_DIR}/stroked_faces.cpp)
add_custom_command(
  OUTPUT ${graph_stroked_faces_source}
  COMMAND make_stroked_fonts ${graph_stroked_faces_source} ${HERSHEY_FONTS_NOTICE}
          ${HERSHEY_FONTS_DIR} ${GRAPH_STROKED_FACES}
  DEPENDS make_stroked_fonts ${HERSHEY_FONTS_NOTICE} ${graph_hershey_files}
  COMMENT "Converting the Hershey fonts into the built-in stroked faces"
  VERBATIM)
target_sources(graphics_core PRIVATE ${graph_stroked_faces_source} src/text/stroked_faces.h)

# The font data's acknowledgement and conditions go with the installed library.
install(FILES ${HERSHEY_FONTS_NOTICE} DESTINATION ${CMAKE_INSTALL_DOCDIR})
