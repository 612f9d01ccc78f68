# Domain: the image, tables, conversions, record codecs, bank logic and list
# operations. Plain C++ with no Qt, so it builds and tests anywhere.
wrk7_sources(DOMAIN_SOURCES src/core)
wrk7_sources(CODEC_SOURCES src/codecs)
wrk7_sources(EDIT_SOURCES src/edit)
add_library(wrk7_domain STATIC ${DOMAIN_SOURCES} ${CODEC_SOURCES} ${EDIT_SOURCES})
target_include_directories(wrk7_domain PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/src)
set_target_properties(wrk7_domain PROPERTIES AUTOMOC OFF)

# Files: clone file, CSV, port file, listing text. QtCore only (QSaveFile,
# code-page conversion).
wrk7_sources(FILES_SOURCES src/files)
if(FILES_SOURCES)
  add_library(wrk7_files STATIC ${FILES_SOURCES})
  target_link_libraries(wrk7_files PUBLIC wrk7_domain Qt6::Core)
endif()

# Printed listing: the listing's lines laid out in columns and painted on
# any paged device (printer, preview, PDF). QtGui, no widgets.
wrk7_sources(PRINT_SOURCES src/print)
if(PRINT_SOURCES AND TARGET wrk7_files)
  find_package(Qt6 6.4 REQUIRED COMPONENTS Gui)
  add_library(wrk7_print STATIC ${PRINT_SOURCES})
  target_link_libraries(wrk7_print PUBLIC wrk7_files Qt6::Gui)
endif()

# Receiver emulator: plain C++ plus POSIX pseudo-terminals.
wrk7_sources(EMULATOR_SOURCES src/emulator)
if(EMULATOR_SOURCES)
  add_library(wrk7_emulator STATIC ${EMULATOR_SOURCES})
  target_link_libraries(wrk7_emulator PUBLIC wrk7_domain)
  if(TARGET wrk7_files)
    target_link_libraries(wrk7_emulator PUBLIC wrk7_files)
  endif()
endif()

# Radio link: port interface, exchanges, read and write operations.
wrk7_sources(LINK_SOURCES src/link)
if(LINK_SOURCES)
  add_library(wrk7_link STATIC ${LINK_SOURCES})
  target_link_libraries(wrk7_link PUBLIC wrk7_domain Qt6::Core Qt6::SerialPort)
  if(TARGET wrk7_emulator)
    target_link_libraries(wrk7_link PUBLIC wrk7_emulator)
  endif()
endif()

# Headless command-line tool: everything but main.cpp is a library, so the
# tests drive the verbs in-process too.
wrk7_sources(CLI_SOURCES src/cli)
list(FILTER CLI_SOURCES EXCLUDE REGEX "/main\\.cpp$")
if(CLI_SOURCES)
  add_library(wrk7_cli_lib STATIC ${CLI_SOURCES})
  target_link_libraries(wrk7_cli_lib PUBLIC wrk7_domain Qt6::Core)
  foreach(lib wrk7_files wrk7_link wrk7_emulator wrk7_print)
    if(TARGET ${lib})
      target_link_libraries(wrk7_cli_lib PUBLIC ${lib})
    endif()
  endforeach()
  add_executable(wrk7 src/cli/main.cpp)
  target_link_libraries(wrk7 PRIVATE wrk7_cli_lib)
endif()

# Desktop program.
if(WRK7_BUILD_GUI)
  wrk7_sources(APP_SOURCES src/app)
  list(FILTER APP_SOURCES EXCLUDE REGEX "/main\\.cpp$")
  if(APP_SOURCES)
    add_library(wrk7_app_lib STATIC ${APP_SOURCES})
    target_link_libraries(wrk7_app_lib PUBLIC wrk7_domain Qt6::Widgets Qt6::PrintSupport)
    foreach(lib wrk7_files wrk7_link wrk7_emulator wrk7_print)
      if(TARGET ${lib})
        target_link_libraries(wrk7_app_lib PUBLIC ${lib})
      endif()
    endforeach()
    qt_add_executable(wrk7-clone src/app/main.cpp)
    target_link_libraries(wrk7-clone PRIVATE wrk7_app_lib)
  endif()
endif()
