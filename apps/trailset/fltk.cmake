# trailset on Linux and macOS: the windows on the FLTK host.
add_executable(trailset ${CMAKE_CURRENT_SOURCE_DIR}/main_fltk.cpp ${CMAKE_CURRENT_SOURCE_DIR}/program_args.cpp)
target_link_libraries(trailset PRIVATE ts_fltk ts_app_windows)
