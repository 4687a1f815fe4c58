# trailset.exe: one statically linked Windows program (no DLL beyond those
# of Windows itself), and trailset_e2e.exe, the same program with the
# test driver thread that the Wine end-to-end tests use.
if(NOT TARGET ts_win32 OR NOT TARGET ts_app_windows OR NOT TARGET ts_resources)
  return()
endif()

function(ts_add_windows_program name)
  add_executable(${name} WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/main_win32.cpp ${CMAKE_CURRENT_SOURCE_DIR}/program_args.cpp
    ${ARGN})
  # The window registration and the application entry live in libraries
  # that refer to each other, so they are linked as one group.
  target_link_libraries(${name} PRIVATE ts_resources ts_win32
    -Wl,--start-group ts_app_windows ts_shell ts_records ts_platform -Wl,--end-group)
  foreach(lib ts_camera ts_wireless)
    if(TARGET ${lib})
      target_link_libraries(${name} PRIVATE ${lib})
    endif()
  endforeach()
  target_link_options(${name} PRIVATE -municode -mwindows -static $<$<CONFIG:Release>:-s>)
endfunction()

ts_add_windows_program(trailset)

if(EXISTS ${CMAKE_SOURCE_DIR}/tests/win32/e2e.cmake)
  include(${CMAKE_SOURCE_DIR}/tests/win32/e2e.cmake)
endif()
