# What a user downloads, made by cpack in a built tree (scripts/package):
# on Linux the Debian package (a tree configured with CMAKE_INSTALL_PREFIX=/usr),
# for Windows the ZIP of the folder that runs as it is and the NSIS installer
# (packaging/windows/NSIS.template.in), on macOS a disk image
# (cmake/Deploy.cmake).
set(CPACK_PACKAGE_NAME wrk7-clone)
set(CPACK_PACKAGE_VENDOR "Korvan WR-K7/K70 Clone Utility developers")
set(CPACK_PACKAGE_CONTACT "WR-K7 Clone Utility developers <maintainers@wrk7-clone.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clone utility for WR-K7/K70 wide-band receivers")
set(CPACK_PACKAGE_DESCRIPTION
    "Reads the whole memory of a Korvan WR-K7 or WR-K70 hand-held wide-band receiver
over a serial cable: set-mode settings, VFO bands, 1000 channels in 50 banks,
program-scan edges, search-pass and priority entries and scan groups. The
desktop program wrk7-clone edits it in grids and dialogs, writes it back,
keeps it in clone files (.WK7), trades channel lists as CSV and prints a
listing. The command-line tool wrk7 does the same without a window and
includes a receiver emulator for trying the link without a receiver.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP NSIS)
  set(CPACK_PACKAGE_FILE_NAME wrk7-clone-${PROJECT_VERSION}-windows-x64)
  # Our own installer script as CPack's template: found on CPack's module path.
  set(CPACK_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/packaging/windows)
  set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/packaging/windows/wrk7-clone.ico)
  # The installer is named ...-setup.exe beside the ZIP of the same name.
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/cmake/PackageNames.cmake)
elseif(APPLE)
  set(CPACK_GENERATOR DragNDrop)
else()
  set(CPACK_GENERATOR DEB)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from the binaries; the platform plugins that show a
# window are loaded at run time, so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own buttons and dialogs in Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-ipafont-gothic | fonts-noto-cjk")

include(CPack)
