# trailset_e2e.exe: trailset.exe's start with the driver thread of the Wine
# end-to-end tests (included from apps/trailset/win32.cmake).
ts_add_windows_program(trailset_e2e
  ${CMAKE_SOURCE_DIR}/tests/win32/main_e2e.cpp
  ${CMAKE_SOURCE_DIR}/tests/win32/driver.cpp
  ${CMAKE_SOURCE_DIR}/tests/win32/ui_driver.cpp)
target_link_libraries(trailset_e2e PRIVATE version)
