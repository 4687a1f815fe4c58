# Windows resources of trailset.exe (object library ts_resources).
#
# The bitmaps and the icon are drawn by bitmap_gen, a tool built with the
# build machine's own compiler (in a cross build CMake only builds target
# binaries), and run before the resource compiler.
enable_language(RC)

find_program(TS_HOST_CXX NAMES g++ c++ clang++ NO_CMAKE_FIND_ROOT_PATH)
if(NOT TS_HOST_CXX)
  message(FATAL_ERROR "A C++ compiler for the build machine is needed to draw the bitmaps (g++)")
endif()

set(TS_GEN_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated)
set(TS_GEN_TOOL ${CMAKE_CURRENT_BINARY_DIR}/bitmap_gen${CMAKE_HOST_EXECUTABLE_SUFFIX})
set(TS_BITMAP_IDS 101 107 111 119 121 123 125 127 129 132 135 137 140 143)
set(TS_GEN_FILES ${TS_GEN_DIR}/trailset.ico)
foreach(id ${TS_BITMAP_IDS})
  list(APPEND TS_GEN_FILES ${TS_GEN_DIR}/bmp${id}.bmp)
endforeach()

add_custom_command(
  OUTPUT ${TS_GEN_TOOL}
  COMMAND ${TS_HOST_CXX} -std=c++20 -O1 -I${CMAKE_SOURCE_DIR}
          ${CMAKE_CURRENT_SOURCE_DIR}/bitmap_gen.cpp ${CMAKE_CURRENT_SOURCE_DIR}/bitmaps.cpp
          -o ${TS_GEN_TOOL}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/bitmap_gen.cpp ${CMAKE_CURRENT_SOURCE_DIR}/bitmaps.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/bitmaps.h
  COMMENT "Building the bitmap tool for the build machine"
  VERBATIM)
add_custom_command(
  OUTPUT ${TS_GEN_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TS_GEN_DIR}
  COMMAND ${TS_GEN_TOOL} ${TS_GEN_DIR}
  DEPENDS ${TS_GEN_TOOL}
  COMMENT "Drawing the bitmaps and the icon"
  VERBATIM)

# The manifest carries the project's version number.
configure_file(trailset.manifest ${TS_GEN_DIR}/trailset.exe.manifest @ONLY)

add_library(ts_resources OBJECT trailset.rc)
set_source_files_properties(trailset.rc PROPERTIES
  OBJECT_DEPENDS "${TS_GEN_FILES};${TS_GEN_DIR}/trailset.exe.manifest;${CMAKE_BINARY_DIR}/generated/trailset_version.h")
target_include_directories(ts_resources PRIVATE ${TS_GEN_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
