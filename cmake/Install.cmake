# Install rules: the two programs and what a desktop needs to offer them (menu
# entry, icon, the clone-file type, man pages, shell completion).
include(GNUInstallDirs)

set(WRK7_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
# What follows is the freedesktop layout; Windows and macOS install through
# cmake/Deploy.cmake.
if(WIN32 OR APPLE)
  return()
endif()

foreach(program wrk7 wrk7-clone)
  if(TARGET ${program})
    # Only system libraries are linked dynamically: no search path of our own.
    set_target_properties(${program} PROPERTIES INSTALL_RPATH "")
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

if(TARGET wrk7-clone)
  install(FILES ${WRK7_PACKAGING_DIR}/wrk7-clone.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${WRK7_PACKAGING_DIR}/icons/wrk7-clone.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${WRK7_PACKAGING_DIR}/icons/wrk7-clone-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME wrk7-clone.png)
  endforeach()
endif()

# The file type belongs to both programs: wrk7 reads the same files.
install(FILES ${WRK7_PACKAGING_DIR}/wrk7-clone-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME wrk7-clone.xml)

if(TARGET wrk7)
  install(FILES ${WRK7_PACKAGING_DIR}/bash-completion/wrk7
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()

# Man pages are installed compressed, as Debian's man expects them, with the
# project's version on their title line.
find_program(WRK7_GZIP gzip)
foreach(page wrk7 wrk7-clone)
  if(NOT TARGET ${page})
    continue()
  endif()
  set(versioned ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1)
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/man/${page}.1 ${versioned} @ONLY)
  if(WRK7_GZIP)
    set(built ${versioned}.gz)
    add_custom_command(OUTPUT ${built}
                       COMMAND ${WRK7_GZIP} -9 -n -c ${versioned} > ${built}
                       DEPENDS ${versioned} VERBATIM)
    list(APPEND built_pages ${built})
    install(FILES ${built} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    install(FILES ${versioned} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
if(built_pages)
  add_custom_target(wrk7_man_pages ALL DEPENDS ${built_pages})
endif()
