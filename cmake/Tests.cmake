# One test program per layer; each folder of tests/ is globbed, so a new test
# file needs no CMake edit. WINDOWS marks the programs that build and run on
# Windows too (cross-built, each one test labelled "wine" that Wine runs in
# the build's own prefix: cmake/WineTests.cmake); there a file named
# *_posix_tests.cpp stays out, as the POSIX sources compile to nothing.
include(cmake/WineTests.cmake)
function(wrk7_test name)
  cmake_parse_arguments(T "WINDOWS" "" "DIRS;LIBS;PCH" ${ARGN})
  if(WIN32 AND NOT T_WINDOWS)
    return()
  endif()
  set(srcs)
  foreach(d ${T_DIRS})
    wrk7_sources(found tests/${d})
    list(APPEND srcs ${found})
  endforeach()
  if(WIN32)
    list(FILTER srcs EXCLUDE REGEX "_posix_tests\\.cpp$")
  endif()
  # A suite that cannot be built is an error, not a silently smaller run.
  if(NOT srcs)
    message(FATAL_ERROR "${name}: no tests under tests/${T_DIRS}")
  endif()
  foreach(lib ${T_LIBS})
    if(NOT TARGET ${lib})
      message(FATAL_ERROR "${name} needs ${lib}, which is not defined")
    endif()
  endforeach()
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
  # Parsing GoogleTest and a whole Qt module again in every test file was
  # most of the suite's compile time.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> ${T_PCH})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(NOT ${name} MATCHES "^(app|print)_tests$")  # these bring their own main
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    WRK7_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests/data"
    WRK7_BINARY_DIR="${CMAKE_BINARY_DIR}")
  if(CMAKE_CROSSCOMPILING)
    # Listing the tests would run the program at build time: one test each,
    # run through CMAKE_CROSSCOMPILING_EMULATOR (wine) when one is named.
    add_test(NAME ${name} COMMAND ${name})
    wrk7_wine_test(${name})
  else()
    gtest_discover_tests(${name}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANGUAGE="
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

wrk7_test(domain_tests WINDOWS DIRS core codecs edit LIBS wrk7_domain)
if(NOT WRK7_WITH_QT)
  return()
endif()
# The clone file's load names a channel list it is given instead, which the
# lists above it know.
wrk7_test(files_tests WINDOWS DIRS files LIBS wrk7_files wrk7_lists)
wrk7_test(lists_tests WINDOWS DIRS lists LIBS wrk7_lists)
wrk7_test(emulator_tests DIRS emulator LIBS wrk7_emulator)
wrk7_test(link_tests WINDOWS DIRS link LIBS wrk7_link wrk7_emulator wrk7_files)
wrk7_test(diagnostics_tests WINDOWS DIRS diagnostics LIBS wrk7_diagnostics wrk7_emulator)
wrk7_test(wincli_tests WINDOWS DIRS wincli LIBS wrk7_wincli wrk7_emulator)
wrk7_test(ports_tests DIRS ports LIBS wrk7_ports)
wrk7_test(print_tests DIRS print LIBS wrk7_print)
wrk7_test(report_tests WINDOWS DIRS report LIBS wrk7_report wrk7_emulator)
wrk7_test(cli_tests WINDOWS DIRS cli LIBS wrk7_cli_lib)
if(WRK7_BUILD_GUI)
  wrk7_test(app_tests DIRS app LIBS wrk7_app_lib Qt6::Test PCH <QtWidgets> <QtTest>)
  # The windows and dialogs once more on a 1600 x 1000 screen at scale 1.5 and 2.
  foreach(scale 1.5 2)
    if(NOT TARGET app_tests)
      break()
    endif()
    add_test(NAME app_fit_scale_${scale} COMMAND app_tests --gtest_filter=ScreenFitTest.*)
    set_tests_properties(app_fit_scale_${scale} PROPERTIES ENVIRONMENT
      "QT_SCALE_FACTOR=${scale};QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/tests/app/screens/1600x1000.json")
  endforeach()
  # --help and an unknown option need no display: the program runs with none.
  if(UNIX AND NOT CMAKE_CROSSCOMPILING AND TARGET app_tests AND TARGET wrk7-clone)
    add_dependencies(app_tests wrk7-clone)
    add_test(NAME clone_help_without_display
             COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/tests/app/help_without_display.sh $<TARGET_FILE:wrk7-clone>)
  endif()
endif()
if(TARGET cli_tests)
  add_dependencies(cli_tests wrk7)
endif()

# Every text of the desktop program has its Japanese in i18n/wrk7-clone_ja.ts.
if(TARGET Qt6::lupdate AND NOT CMAKE_CROSSCOMPILING)
  add_test(NAME translations_complete
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-translations $<TARGET_FILE:Qt6::lupdate>)
endif()
