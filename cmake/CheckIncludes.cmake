# A build step (cmake -P): fails the build when a source includes a header of
# a folder (below PREFIX, e.g. "app/") outside ALLOWED, so an include added to
# an existing file is caught by the next build and not only by the next
# configure. LIST names a file holding the sources, one per line; ALLOWED is
# comma-separated; WHO names the includer; STAMP is touched when all is well.
cmake_minimum_required(VERSION 3.25)
file(STRINGS "${LIST}" srcs)
string(REPLACE "," ";" allowed "${ALLOWED}")
set(faults)
foreach(src ${srcs})
  file(STRINGS "${src}" includes REGEX "^#include \"${PREFIX}[a-z_]+/")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"${PREFIX}([a-z_]+)/.*" "\\1" folder "${line}")
    if(NOT folder IN_LIST allowed)
      file(RELATIVE_PATH rel "${SOURCE_DIR}" "${src}")
      list(APPEND faults "${rel} includes ${PREFIX}${folder}/, which ${WHO} may not use (only: ${ALLOWED})")
    endif()
  endforeach()
endforeach()
if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "${text}")
endif()
file(TOUCH "${STAMP}")
