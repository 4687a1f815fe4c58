# trailset.exe: one statically linked Windows program (no DLL beyond those
# of Windows itself). Its start (ts_win32_app) is shared with
# trailset_e2e.exe, the program with the driver thread of the Wine
# end-to-end tests (tests/win32/e2e.cmake).
add_library(ts_win32_app STATIC ${CMAKE_CURRENT_SOURCE_DIR}/win32_app.cpp)
target_link_libraries(ts_win32_app PUBLIC ts_win32 ts_app_windows)

function(ts_add_windows_program name)
  add_executable(${name} WIN32 ${ARGN})
  target_link_libraries(${name} PRIVATE ts_resources ts_win32_app)
  target_link_options(${name} PRIVATE -municode -mwindows -static $<$<CONFIG:Release>:-s>)
endfunction()

ts_add_windows_program(trailset ${CMAKE_CURRENT_SOURCE_DIR}/main_win32.cpp ${CMAKE_CURRENT_SOURCE_DIR}/program_args.cpp)
include(${CMAKE_SOURCE_DIR}/tests/win32/e2e.cmake)
