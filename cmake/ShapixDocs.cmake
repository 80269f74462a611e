# Script mode: builds the API reference over the public headers.
#   cmake -DSOURCE_DIR=<repo> -DOUT_DIR=<dir> -DVERSION=<x.y.z>
#         -DDOXYGEN=<doxygen> -P ShapixDocs.cmake
# docs/Doxyfile holds the settings; the header list is appended here so it
# always matches what `cmake --install` ships. Any warning fails the run.
include(${CMAKE_CURRENT_LIST_DIR}/ShapixHeaders.cmake)
shapix_public_headers("${SOURCE_DIR}" headers)
list(JOIN headers " " inputs)
file(READ "${SOURCE_DIR}/docs/Doxyfile" settings)
file(MAKE_DIRECTORY "${OUT_DIR}")
file(WRITE "${OUT_DIR}/Doxyfile" "${settings}
PROJECT_NUMBER   = ${VERSION}
OUTPUT_DIRECTORY = ${OUT_DIR}
INPUT            = docs/mainpage.md ${inputs}
")
execute_process(COMMAND "${DOXYGEN}" "${OUT_DIR}/Doxyfile"
  WORKING_DIRECTORY "${SOURCE_DIR}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "doxygen failed or warned (${result})")
endif()
message(STATUS "API reference: ${OUT_DIR}/html/index.html")
