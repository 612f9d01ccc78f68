# Windows and macOS. On Windows (cross-built here with cmake/mingw-w64.cmake
# and Qt from scripts/qt-windows, or natively with MinGW) the programs get
# their icon, version and manifest, and the install puts beside them all they
# load: the Qt libraries and plugins, the compiler's runtime, Qt's Japanese
# translations and a qt.conf naming their folders, so the folder runs as it
# is, unpacked from the ZIP or installed (scripts/package-windows). On macOS
# an application bundle that declares the clone file, deployed by
# macdeployqt. On Linux this file does nothing.
if(NOT (WIN32 OR APPLE))
  return()
endif()

set(WRK7_DISPLAY_NAME "Korvan WR-K7/K70 Clone Utility")

if(WIN32)
  # The two halves of a "first|second" entry of the tables below.
  function(wrk7_split_entry entry first second)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 one)
    list(GET parts 1 two)
    set(${first} "${one}" PARENT_SCOPE)
    set(${second} "${two}" PARENT_SCOPE)
  endfunction()

  set(WRK7_WINDOWS_ICON ${WRK7_PACKAGING_DIR}/windows/wrk7-clone.ico)
  set(WRK7_WINDOWS_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/wrk7-clone.manifest)
  configure_file(${WRK7_PACKAGING_DIR}/windows/wrk7-clone.manifest.in ${WRK7_WINDOWS_MANIFEST} @ONLY)
  set(descriptions
    "wrk7-clone|${WRK7_DISPLAY_NAME}"
    "wrk7|WR-K7/K70 clone utility (command line)"
    "wrk7w|WR-K7/K70 block clone tool (console)")
  foreach(entry ${descriptions})
    wrk7_split_entry("${entry}" WRK7_PROGRAM WRK7_PROGRAM_DESCRIPTION)
    if(TARGET ${WRK7_PROGRAM})
      configure_file(${WRK7_PACKAGING_DIR}/windows/wrk7-clone.rc.in
                     ${CMAKE_CURRENT_BINARY_DIR}/${WRK7_PROGRAM}.rc @ONLY)
      target_sources(${WRK7_PROGRAM} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${WRK7_PROGRAM}.rc)
      install(TARGETS ${WRK7_PROGRAM} RUNTIME DESTINATION .)
    endif()
  endforeach()
  if(TARGET wrk7-clone)
    # No console window opens beside the program.
    set_target_properties(wrk7-clone PROPERTIES WIN32_EXECUTABLE TRUE)
  endif()
  if(TARGET wrk7w AND MINGW)
    # One file that runs on any Windows (and Wine) without the compiler's DLLs.
    target_link_options(wrk7w PRIVATE -static)
  endif()

  if(NOT WRK7_WITH_QT)
    return()
  endif()
  # What the Qt programs load. The plugins by their targets, so a Qt built
  # without one stops the configure step instead of shipping a program that
  # cannot start.
  set(qt_libraries Qt6::Core)
  if(TARGET wrk7-clone)
    list(APPEND qt_libraries Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
  elseif(TARGET wrk7)
    list(APPEND qt_libraries Qt6::Gui)
  endif()
  foreach(lib ${qt_libraries})
    install(FILES $<TARGET_FILE:${lib}> DESTINATION .)
  endforeach()
  set(plugins
    "Qt6::QWindowsIntegrationPlugin|platforms"
    "Qt6::QWindowsVistaStylePlugin|styles"
    "Qt6::QICOPlugin|imageformats")
  foreach(entry ${plugins})
    wrk7_split_entry("${entry}" plugin folder)
    if(NOT TARGET ${plugin})
      message(FATAL_ERROR "Qt for Windows at ${Qt6_DIR} has no ${plugin}, which the program needs")
    endif()
    install(FILES $<TARGET_FILE:${plugin}> DESTINATION ${folder})
  endforeach()
  if(MINGW)
    # The runtime of the compiler Qt was built with (posix threads), where
    # the compiler itself finds it.
    foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
      execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                      OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE)
      if(NOT IS_ABSOLUTE "${dll}" OR NOT EXISTS "${dll}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not find its runtime DLL ${name}")
      endif()
      get_filename_component(dll "${dll}" REALPATH)
      install(FILES ${dll} DESTINATION .)
    endforeach()
  endif()
  # Qt's own buttons and dialogs in Japanese: the translation files are the
  # same on every system, so Debian's serve (qt6-translations-l10n).
  find_file(WRK7_QTBASE_JA qtbase_ja.qm
            PATHS ${Qt6_DIR}/../../../translations /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(WRK7_QTBASE_JA)
    install(FILES ${WRK7_QTBASE_JA} DESTINATION translations)
  else()
    message(WARNING "qtbase_ja.qm not found (Debian: qt6-translations-l10n): Qt's buttons stay English in Japanese")
  endif()
  # A ZIP of three programs and their DLLs says which one to start, and
  # carries Qt's licence as the LGPL asks (no licence text of the program's
  # own is in the source tree yet).
  set(WRK7_QT_VERSION ${Qt6_VERSION})
  configure_file(${WRK7_PACKAGING_DIR}/windows/README.txt.in ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)
  foreach(licence LGPL-3 GPL-3)
    if(EXISTS /usr/share/common-licenses/${licence})
      install(FILES /usr/share/common-licenses/${licence} DESTINATION licenses RENAME ${licence}.txt)
    else()
      message(WARNING "/usr/share/common-licenses/${licence} not found (Debian: base-files): the package lacks it")
    endif()
  endforeach()
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf "[Paths]\nPrefix=.\nPlugins=.\nTranslations=translations\n")
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION .)
  # A stripped install (cmake --install --strip, or cpack) strips the Qt
  # libraries and plugins too, which it otherwise copies as they are.
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${dlls} COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endif()

if(APPLE)
  if(TARGET wrk7-clone)
    set(icon ${WRK7_PACKAGING_DIR}/macos/wrk7-clone.icns)
    set_source_files_properties(${icon} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
    target_sources(wrk7-clone PRIVATE ${icon})
    set_target_properties(wrk7-clone PROPERTIES
      MACOSX_BUNDLE TRUE
      MACOSX_BUNDLE_INFO_PLIST ${WRK7_PACKAGING_DIR}/macos/Info.plist.in
      MACOSX_BUNDLE_GUI_IDENTIFIER invalid.wrk7-clone.wrk7-clone
      MACOSX_BUNDLE_BUNDLE_NAME "WR-K7 Clone"
      MACOSX_BUNDLE_ICON_FILE wrk7-clone.icns
      MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
      MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION})
    install(TARGETS wrk7-clone BUNDLE DESTINATION .)
    # wrk7 lives in the bundle too and loads the frameworks macdeployqt
    # copies into it; the deployment itself only follows the bundle's own
    # program.
    set_target_properties(wrk7 PROPERTIES INSTALL_RPATH "@executable_path/../Frameworks")
    install(TARGETS wrk7 RUNTIME DESTINATION wrk7-clone.app/Contents/MacOS)
  else()
    install(TARGETS wrk7 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
  set(CPACK_DMG_VOLUME_NAME "WR-K7 Clone Utility")
endif()

# The deployment runs once the bundle is installed (cmake --install or
# cpack): macdeployqt. Qt 6.5 renamed the option that names the generated
# script.
if(APPLE AND TARGET wrk7-clone)
  if(Qt6_VERSION VERSION_LESS 6.5)
    qt_generate_deploy_app_script(TARGET wrk7-clone FILENAME_VARIABLE deploy_script)
  else()
    qt_generate_deploy_app_script(TARGET wrk7-clone OUTPUT_SCRIPT deploy_script)
  endif()
  install(SCRIPT ${deploy_script})
endif()
