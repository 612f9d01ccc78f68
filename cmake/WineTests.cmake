# Windows test programs under Wine: CMAKE_CROSSCOMPILING_EMULATOR (set by
# cmake/mingw-w64.cmake) runs each; a fixture makes the build's own Wine
# prefix afresh before them and ends its wineserver after them, so no test
# meets another run's prefix and nothing is left running. The programs find
# Qt's and the compiler's DLLs on WINEPATH, as an unpacked folder has them
# beside it.
if(NOT (CMAKE_CROSSCOMPILING AND WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR))
  function(wrk7_wine_test name)
  endfunction()
  return()
endif()

find_program(WRK7_WINESERVER wineserver PATHS /usr/lib/wine NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
set(WRK7_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(WRK7_WINE_WORK ${CMAKE_BINARY_DIR}/wine-work)
file(MAKE_DIRECTORY ${WRK7_WINE_WORK})

set(wine_path)
if(TARGET Qt6::Core)
  get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
  if(NOT qt_core_dll)
    get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION)
  endif()
  get_filename_component(qt_bin "${qt_core_dll}" DIRECTORY)
  list(APPEND wine_path ${qt_bin})
endif()
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(folder "${found}" DIRECTORY)
  list(APPEND wine_path ${folder})
endforeach()
list(REMOVE_DUPLICATES wine_path)
# ctest splits ENVIRONMENT at each unescaped semicolon: WINEPATH keeps its own.
list(JOIN wine_path "\\;" wine_path_text)
set(WRK7_WINE_ENVIRONMENT "WINEPREFIX=${WRK7_WINE_PREFIX}" "WINEDEBUG=-all" "WINEPATH=${wine_path_text}")

add_test(NAME wine_prefix_make
         COMMAND sh -c "rm -rf \"$1\" && \"$2\" wineboot -i >/dev/null 2>&1"
                 sh ${WRK7_WINE_PREFIX} ${CMAKE_CROSSCOMPILING_EMULATOR})
# No server left to end is no failure.
add_test(NAME wine_prefix_end COMMAND sh -c "\"$1\" -k 2>/dev/null; exit 0" sh ${WRK7_WINESERVER})
set_tests_properties(wine_prefix_make PROPERTIES FIXTURES_SETUP wine_prefix LABELS wine
                     ENVIRONMENT "${WRK7_WINE_ENVIRONMENT}")
set_tests_properties(wine_prefix_end PROPERTIES FIXTURES_CLEANUP wine_prefix LABELS wine
                     ENVIRONMENT "${WRK7_WINE_ENVIRONMENT}")

function(wrk7_wine_test name)
  set_tests_properties(${name} PROPERTIES
    LABELS wine
    FIXTURES_REQUIRED wine_prefix
    WORKING_DIRECTORY ${WRK7_WINE_WORK}
    TIMEOUT 900
    ENVIRONMENT "${WRK7_WINE_ENVIRONMENT}"
    # Qt for Windows has only its own platform plugin.
    ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=unset:")
endfunction()
