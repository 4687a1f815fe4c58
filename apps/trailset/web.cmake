# trailset in a browser: trailset.js and trailset.wasm, with the page's own
# files beside them (scripts/build-web.sh gathers them into build/web/).
add_executable(trailset ${CMAKE_CURRENT_SOURCE_DIR}/main_web.cpp)
target_link_libraries(trailset PRIVATE ts_web
  -Wl,--start-group ts_app_windows ts_camera ts_wireless ts_shell ts_records ts_platform ts_text -Wl,--end-group)

# The functions of the page that may wait for the user (Asyncify unwinds
# the program's stack while they wait and rewinds it when they return).
set(_async_imports ts_web_wait_event ts_web_pick_folder ts_web_start)
list(JOIN _async_imports "," _async_list)
set(_js_libraries "")
foreach(lib IN LISTS TS_WEB_JS_LIBRARIES)
  list(APPEND _js_libraries "SHELL:--js-library ${lib}")
endforeach()
target_link_options(trailset PRIVATE
  ${_js_libraries}
  "SHELL:--pre-js ${TS_WEB_PRE_JS}"
  -sASYNCIFY=1
  "-sASYNCIFY_IMPORTS=[${_async_list}]"
  -sASYNCIFY_STACK_SIZE=65536
  -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1
  -sEXIT_RUNTIME=0
  -sFILESYSTEM=1
  -sINCOMING_MODULE_JS_API=[print,printErr,locateFile,onAbort]
  -sMALLOC=emmalloc)
set_property(TARGET trailset APPEND PROPERTY LINK_DEPENDS ${TS_WEB_JS_LIBRARIES} ${TS_WEB_PRE_JS})
