# libFuzzer targets (fuzz/): every source is instrumented for coverage and
# built with AddressSanitizer and UBSan; each fuzz_*.cpp becomes a program
# linked with libFuzzer's main. A separate build tree with clang:
#   CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DWRK7_FUZZ=ON
# scripts/fuzz builds it and runs every target.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "WRK7_FUZZ needs clang (CXX=clang++-14), not ${CMAKE_CXX_COMPILER_ID}")
endif()

# The fuzz tree holds the targets and the libraries they link (core, codecs,
# edit, files, link: cmake/Targets.cmake stops after them), nothing else.
set(WRK7_BUILD_TESTS OFF)
set(WRK7_BUILD_BENCH OFF)
set(WRK7_BUILD_GUI OFF)

add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

file(GLOB FUZZ_SUPPORT CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/*.cpp)
list(FILTER FUZZ_SUPPORT EXCLUDE REGEX "/(fuzz_[^/]*|replay_main)\\.cpp$")
add_library(wrk7_fuzz_support STATIC ${FUZZ_SUPPORT})
target_link_libraries(wrk7_fuzz_support PUBLIC wrk7_files wrk7_lists wrk7_link)

file(GLOB FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/fuzz_*.cpp)
foreach(src ${FUZZ_TARGETS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE wrk7_fuzz_support)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endforeach()
