# trailset_e2e.exe: trailset.exe with the driver thread of the Wine
# end-to-end tests (included from apps/trailset/win32.cmake).
ts_add_windows_program(trailset_e2e
  ${CMAKE_SOURCE_DIR}/tests/win32/driver.cpp
  ${CMAKE_SOURCE_DIR}/tests/win32/ui_driver.cpp)
target_compile_definitions(trailset_e2e PRIVATE TRAILSET_TEST_DRIVER)
target_link_libraries(trailset_e2e PRIVATE version)
