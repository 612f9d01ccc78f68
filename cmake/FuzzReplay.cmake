# The fuzz targets of fuzz/ in the normal build: each is linked with a plain
# main that replays its seed corpus (fuzz/corpus/<target>/), and ctest runs
# that replay, so the targets keep compiling and the seeds keep passing
# without clang. The libFuzzer build itself is cmake/Fuzz.cmake.
file(GLOB REPLAY_SUPPORT CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/*.cpp)
list(FILTER REPLAY_SUPPORT EXCLUDE REGEX "/(fuzz_[^/]*|replay_main)\\.cpp$")
if(NOT REPLAY_SUPPORT OR NOT TARGET wrk7_lists OR NOT TARGET wrk7_link)
  return()
endif()
add_library(wrk7_fuzz_replay_support STATIC ${REPLAY_SUPPORT} ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/replay_main.cpp)
target_link_libraries(wrk7_fuzz_replay_support PUBLIC wrk7_files wrk7_lists wrk7_link)

file(GLOB REPLAY_TARGETS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/fuzz_*.cpp)
foreach(src ${REPLAY_TARGETS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name}_replay ${src})
  target_link_libraries(${name}_replay PRIVATE wrk7_fuzz_replay_support)
  add_test(NAME ${name}_seeds COMMAND ${name}_replay ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${name})
endforeach()
