# The desktop program's Japanese: every tr() of src/app and every message
# template of the layers below it (marked WRK7_MESSAGE, which lupdate reads
# as QT_TRANSLATE_NOOP) live in i18n/wrk7-clone_ja.ts. The .qm built from it
# is embedded in the program's library at :/i18n, so the desktop program,
# its tests and a Windows folder all carry it with nothing to install.
#   cmake --build BUILD --target wrk7_app_lib_lupdate    refreshes the .ts
# In a cross build Qt's Linguist tools come from the host (QT_HOST_PATH).
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
set(WRK7_TS_FILES ${CMAKE_CURRENT_SOURCE_DIR}/i18n/wrk7-clone_ja.ts)
file(GLOB_RECURSE wrk7_translated_sources CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/src/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/src/*.h)
set(WRK7_LUPDATE_OPTIONS -locations none -no-obsolete -tr-function-alias QT_TRANSLATE_NOOP+=WRK7_MESSAGE)
qt_add_translations(wrk7_app_lib
  TS_FILES ${WRK7_TS_FILES}
  SOURCES ${wrk7_translated_sources}
  INCLUDE_DIRECTORIES ${CMAKE_CURRENT_SOURCE_DIR}/src
  LUPDATE_OPTIONS ${WRK7_LUPDATE_OPTIONS}
  RESOURCE_PREFIX /i18n)
