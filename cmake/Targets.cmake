# Checks at build time that none of srcs includes a header of a folder (below
# prefix, e.g. "app/") that is not in allowed; who names the includer. The
# check is a target of its own (wrk7_includes_<who>), built with everything
# and before the library it guards, so an include added to an existing file
# fails the next build.
function(wrk7_check_includes srcs prefix allowed who)
  string(REGEX REPLACE "[^a-z0-9]+" "_" name "${who}")
  set(name wrk7_includes_${name})
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/include_checks/${name}.sources)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/include_checks/${name}.stamp)
  string(REPLACE ";" "\n" lines "${srcs}")
  file(GENERATE OUTPUT ${list_file} CONTENT "${lines}\n")
  string(REPLACE ";" "," allowed_text "${allowed}")
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DLIST=${list_file} -DPREFIX=${prefix} -DALLOWED=${allowed_text}
            -DWHO=${who} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR} -DSTAMP=${stamp}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    DEPENDS ${srcs} ${list_file} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/CheckIncludes.cmake
    COMMENT "Checking the includes of ${who}" VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${stamp})
  set(WRK7_INCLUDE_CHECK ${name} PARENT_SCOPE)
endfunction()

# One static library per folder of src/, named wrk7_<folder> unless TARGET
# names it. USES names the folders it builds on; a source that includes a
# header of any other folder stops the configure step, so the layering below
# is kept by the build itself and not only by habit. LIBS are further (Qt)
# libraries; EXCLUDE drops sources (a program's main.cpp).
function(wrk7_layer dir)
  cmake_parse_arguments(L "" "TARGET" "USES;LIBS;EXCLUDE" ${ARGN})
  if(NOT L_TARGET)
    set(L_TARGET wrk7_${dir})
  endif()
  wrk7_sources(srcs src/${dir})
  foreach(pattern ${L_EXCLUDE})
    list(FILTER srcs EXCLUDE REGEX "${pattern}")
  endforeach()
  if(NOT srcs)
    message(FATAL_ERROR "src/${dir} holds no sources")
  endif()

  set(reach ${dir})
  foreach(used ${L_USES})
    if(NOT TARGET wrk7_${used})
      message(FATAL_ERROR "src/${dir} builds on src/${used}, which is not defined yet")
    endif()
    get_property(used_reach GLOBAL PROPERTY WRK7_REACH_${used})
    list(APPEND reach ${used_reach})
  endforeach()
  list(REMOVE_DUPLICATES reach)
  set_property(GLOBAL PROPERTY WRK7_REACH_${dir} ${reach})

  wrk7_check_includes("${srcs}" "" "${reach}" "src/${dir}")

  add_library(${L_TARGET} STATIC ${srcs})
  add_dependencies(${L_TARGET} ${WRK7_INCLUDE_CHECK})
  target_include_directories(${L_TARGET} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/src)
  foreach(used ${L_USES})
    target_link_libraries(${L_TARGET} PUBLIC wrk7_${used})
  endforeach()
  target_link_libraries(${L_TARGET} PUBLIC ${L_LIBS})
  if(NOT "${L_LIBS}" MATCHES "Qt6::")
    set_target_properties(${L_TARGET} PROPERTIES AUTOMOC OFF)
  endif()
endfunction()

# The folders of one layer's folder, lowest first (the wings of src/app): a
# source of a wing that includes a header of a later wing, or a source lying
# outside every wing, stops the configure step.
function(wrk7_wings dir)
  set(below)
  foreach(wing ${ARGN})
    list(APPEND below ${wing})
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/src/${dir}/${wing}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/src/${dir}/${wing}/*.h)
    wrk7_check_includes("${srcs}" "${dir}/" "${below}" "src/${dir}/${wing}")
    list(APPEND checks ${WRK7_INCLUDE_CHECK})
  endforeach()
  file(GLOB loose ${CMAKE_CURRENT_SOURCE_DIR}/src/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/src/${dir}/*.h)
  if(loose)
    message(FATAL_ERROR "src/${dir} holds sources outside its wings: ${loose}")
  endif()
  set(WRK7_WING_CHECKS ${checks} PARENT_SCOPE)
endfunction()

# The domain: plain C++ with no Qt, so it builds and tests anywhere. The
# image, tables and memory map; the record codecs; the editing rules and the
# image comparison, which shows settings as the codecs' blocks carry them.
wrk7_layer(core)
wrk7_layer(codecs USES core)
wrk7_layer(edit USES core codecs)
add_library(wrk7_domain INTERFACE)
target_link_libraries(wrk7_domain INTERFACE wrk7_core wrk7_codecs wrk7_edit)

# What differs between systems (the terminal test, interrupts, local time,
# an access check, pseudo-terminals, the legacy code page): one header each
# with a POSIX and a Windows source, whole-file #ifdef choosing which one
# compiles, so every source is globbed and checked here and the mingw tree
# compiles the same files. Plain C++.
wrk7_layer(platform)

# Clone file, port file, listing text, preferences: QtCore (QSaveFile, code
# pages).
if(WRK7_WITH_QT)
  wrk7_layer(files USES codecs edit platform LIBS Qt6::Core)
  # Channel-list interchange over the files' text reading and writing: our
  # own CSV, the other programs' lists, their mapping and import plans, the
  # grid's clipboard text. QtCore (XML, JSON).
  wrk7_layer(lists USES files LIBS Qt6::Core)
endif()
# Port interface, exchanges, read and write operations; QtSerialPort only
# lists the system's ports, and on Windows the registry does.
if(WIN32)
  wrk7_layer(link USES codecs edit platform LIBS advapi32)
else()
  wrk7_layer(link USES codecs edit platform LIBS Qt6::Core Qt6::SerialPort)
endif()
# The fuzz targets need nothing above the files and the link: the fuzz tree
# stops here, so its clang build compiles no layer and no program they do
# not use.
if(WRK7_FUZZ)
  return()
endif()

# The console program for Windows (wrk7w): its block file is plain C++ over
# the link, so it is tested here; the program itself is built for Windows.
wrk7_layer(wincli USES link EXCLUDE "/main\\.cpp$")
if(WIN32)
  add_executable(wrk7w src/wincli/main.cpp)
  target_link_libraries(wrk7w PRIVATE wrk7_wincli)
endif()
if(NOT WRK7_WITH_QT)
  return()
endif()

# What stands in a port's way, and the cable test: the USB chip table, the
# udev rules, the system as files (sysfs, /proc, lock files) or the
# registry, the troubles with their remedies, and their messages. Plain C++
# over the link; the transfers never use it. On Windows SetupAPI and
# CfgMgr32 tell what stands behind each port.
if(WIN32)
  wrk7_layer(diagnostics USES link LIBS setupapi cfgmgr32)
else()
  wrk7_layer(diagnostics USES link)
endif()

# The receiver emulator, in-process (a link port) and on a pseudo-terminal.
wrk7_layer(emulator USES link platform)
# A port by its name, for both programs: a device or the emulator, and what
# their logs say of a transfer on it (the adapter behind it included).
wrk7_layer(ports USES link emulator diagnostics files)
# A problem report in one ZIP for both programs: what the program knows of
# itself, the system, its logs, traces and backups, names and notes left
# out on request. QtCore.
wrk7_layer(report USES files diagnostics LIBS Qt6::Core)
# Printed listing: the listing's lines laid out in columns and painted on any
# paged device (printer, preview, PDF). QtGui, no widgets.
find_package(Qt6 6.4 REQUIRED COMPONENTS Gui)
wrk7_layer(print USES files LIBS Qt6::Gui)

# Headless command-line tool: everything but main.cpp is a library, so the
# tests drive the verbs in-process too.
wrk7_layer(cli TARGET wrk7_cli_lib USES files lists ports print diagnostics report EXCLUDE "/main\\.cpp$")
add_executable(wrk7 src/cli/main.cpp)
target_link_libraries(wrk7 PRIVATE wrk7_cli_lib)

# What wrk7w would read from a receiver holding a clone file, for
# scripts/test-windows (on Linux) to compare the Windows program's files with.
if(NOT WIN32)
  add_executable(wrk7-blocks tools/wrk7_blocks.cpp)
  target_link_libraries(wrk7-blocks PRIVATE wrk7_lists wrk7_emulator wrk7_wincli)
endif()

# Desktop program.
if(WRK7_BUILD_GUI)
  wrk7_layer(app TARGET wrk7_app_lib USES files lists ports print diagnostics report LIBS Qt6::Widgets Qt6::PrintSupport EXCLUDE "/main\\.cpp$")
  target_precompile_headers(wrk7_app_lib PRIVATE <QtWidgets>)
  # The desktop program's wings, lowest first: each may include only itself
  # and the wings before it, so the document never learns of a page and a
  # page never of the window.
  wrk7_wings(app translation support widgets document transfer dialogs commands pages window)
  add_dependencies(wrk7_app_lib ${WRK7_WING_CHECKS})
  include(cmake/Translations.cmake)
  qt_add_executable(wrk7-clone src/app/window/main.cpp)
  target_link_libraries(wrk7-clone PRIVATE wrk7_app_lib)
endif()
