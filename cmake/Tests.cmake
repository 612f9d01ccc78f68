# One test program per layer; each folder of tests/ is globbed, so a new test
# file needs no CMake edit.
function(wrk7_test name)
  cmake_parse_arguments(T "" "" "DIRS;LIBS" ${ARGN})
  set(srcs)
  foreach(d ${T_DIRS})
    wrk7_sources(found tests/${d})
    list(APPEND srcs ${found})
  endforeach()
  if(NOT srcs)
    return()
  endif()
  foreach(lib ${T_LIBS})
    if(NOT TARGET ${lib})
      return()
    endif()
  endforeach()
  add_executable(${name} ${srcs})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(NOT ${name} MATCHES "^(app|print)_tests$")  # these bring their own main
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    WRK7_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests/data"
    WRK7_BINARY_DIR="${CMAKE_BINARY_DIR}")
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANGUAGE="
    DISCOVERY_TIMEOUT 60)
endfunction()

wrk7_test(domain_tests DIRS core codecs edit LIBS wrk7_domain)
wrk7_test(files_tests DIRS files LIBS wrk7_files)
wrk7_test(emulator_tests DIRS emulator LIBS wrk7_emulator)
wrk7_test(link_tests DIRS link LIBS wrk7_link)
wrk7_test(print_tests DIRS print LIBS wrk7_print)
wrk7_test(cli_tests DIRS cli LIBS wrk7_cli_lib)
if(WRK7_BUILD_GUI)
  wrk7_test(app_tests DIRS app LIBS wrk7_app_lib Qt6::Test)
endif()
if(TARGET cli_tests AND TARGET wrk7)
  add_dependencies(cli_tests wrk7)
endif()
