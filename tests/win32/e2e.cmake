# trailset_e2e.exe: trailset.exe's start with the driver thread of the Wine
# end-to-end tests (included from apps/trailset/win32.cmake).
ts_add_windows_program(trailset_e2e
  ${CMAKE_SOURCE_DIR}/tests/win32/main_e2e.cpp
  ${CMAKE_SOURCE_DIR}/tests/win32/driver.cpp
  ${CMAKE_SOURCE_DIR}/tests/win32/ui_driver.cpp)
target_link_libraries(trailset_e2e PRIVATE version)

# trailset_install_check.exe: checks the program as the Windows installer
# leaves it, from outside (scripts/test.d/50-packages.sh).
add_executable(trailset_install_check
  ${CMAKE_SOURCE_DIR}/tests/win32/install_check.cpp
  ${CMAKE_SOURCE_DIR}/tests/win32/ui_driver.cpp)
target_link_libraries(trailset_install_check PRIVATE ts_shell ole32 uuid shell32)
target_compile_definitions(trailset_install_check PRIVATE UNICODE _UNICODE)
target_link_options(trailset_install_check PRIVATE -municode -static)
