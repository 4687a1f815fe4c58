# trailset_version_header(VERSION FOLDER): writes FOLDER/trailset_version.h
# for a version "MAJOR.MINOR.PATCH.TWEAK" and puts FOLDER on the include
# path of everything that follows.
function(trailset_version_header version folder)
  if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
    message(FATAL_ERROR "The version must have four numbers (MAJOR.MINOR.PATCH.TWEAK), not \"${version}\"")
  endif()
  set(TS_VERSION ${version})
  set(TS_VERSION_MAJOR ${CMAKE_MATCH_1})
  set(TS_VERSION_MINOR ${CMAKE_MATCH_2})
  set(TS_VERSION_PATCH ${CMAKE_MATCH_3})
  set(TS_VERSION_TWEAK ${CMAKE_MATCH_4})
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/trailset_version.h.in ${folder}/trailset_version.h @ONLY)
  include_directories(${folder})
endfunction()

# The version of the trailset project, read from the project() line of the
# top CMakeLists.txt, for builds that have a source folder of their own.
function(trailset_project_version out_var)
  file(STRINGS ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../CMakeLists.txt line REGEX "^project\\(trailset VERSION ")
  if(NOT line MATCHES "VERSION ([0-9.]+)")
    message(FATAL_ERROR "No project(trailset VERSION ...) line in the top CMakeLists.txt")
  endif()
  set(${out_var} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
