# Windows and macOS, for those who build there with their own Qt (6.4 or
# later): the desktop program as a windowed program with its icon (on
# macOS an application bundle that declares the clone file), the Qt
# libraries and plugins copied beside the programs at install time by
# windeployqt or macdeployqt, and the packages CPack makes there. None of
# it is built here: on Linux this file does nothing.
if(NOT (WIN32 OR APPLE))
  return()
endif()

set(WRK7_DISPLAY_NAME "Korvan WR-K7/K70 Clone Utility")

if(WIN32)
  if(TARGET wrk7-clone)
    # No console window opens beside the program.
    set_target_properties(wrk7-clone PROPERTIES WIN32_EXECUTABLE TRUE)
    set(WRK7_WINDOWS_ICON ${WRK7_PACKAGING_DIR}/windows/wrk7-clone.ico)
    configure_file(${WRK7_PACKAGING_DIR}/windows/wrk7-clone.rc.in ${CMAKE_CURRENT_BINARY_DIR}/wrk7-clone.rc @ONLY)
    target_sources(wrk7-clone PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/wrk7-clone.rc)
    install(TARGETS wrk7-clone RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
  # Beside the desktop program, wrk7 finds the same Qt libraries and the
  # qt.conf the deployment writes there.
  install(TARGETS wrk7 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # wrk7 lays out a PDF listing on the offscreen platform, which windeployqt
  # leaves out: it copies the plugins the desktop program needs.
  if(TARGET Qt6::QOffscreenIntegrationPlugin)
    install(FILES $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> DESTINATION plugins/platforms)
  endif()

  set(CPACK_PACKAGE_INSTALL_DIRECTORY "WR-K7 Clone Utility")
  set(CPACK_PACKAGE_EXECUTABLES wrk7-clone "${WRK7_DISPLAY_NAME}")
  set(CPACK_NSIS_DISPLAY_NAME "${WRK7_DISPLAY_NAME}")
  set(CPACK_NSIS_PACKAGE_NAME "${WRK7_DISPLAY_NAME}")
  set(CPACK_NSIS_MUI_ICON ${WRK7_PACKAGING_DIR}/windows/wrk7-clone.ico)
  set(CPACK_NSIS_MUI_UNIICON ${WRK7_PACKAGING_DIR}/windows/wrk7-clone.ico)
  set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\wrk7-clone.exe")
  set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
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

# The deployment runs once the programs are installed (cmake --install or
# cpack): windeployqt on bin/wrk7-clone.exe with a qt.conf beside it,
# macdeployqt on the bundle. Qt 6.5 renamed the option that names the
# generated script.
if(TARGET wrk7-clone)
  if(Qt6_VERSION VERSION_LESS 6.5)
    qt_generate_deploy_app_script(TARGET wrk7-clone FILENAME_VARIABLE deploy_script)
  else()
    qt_generate_deploy_app_script(TARGET wrk7-clone OUTPUT_SCRIPT deploy_script)
  endif()
  install(SCRIPT ${deploy_script})
endif()
