# The Qt-free libraries built with emscripten in ${CORVANE_WASM_BINARY_DIR}, as part of this
# build, so that the suite runs them under node and compares them with the native ones.
include(ExternalProject)
find_program(EMCMAKE emcmake REQUIRED)
set(CORVANE_WASM_BINARY_DIR ${PROJECT_BINARY_DIR}/wasm)
# This image's node is not Debian's, so emcc finds its acorn only through NODE_PATH.
set(wasm_env ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
ExternalProject_Add(wasm
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${CORVANE_WASM_BINARY_DIR}
  CONFIGURE_COMMAND ${wasm_env} ${EMCMAKE} ${CMAKE_COMMAND} -S <SOURCE_DIR> -B <BINARY_DIR>
    -DCMAKE_BUILD_TYPE=Release
  BUILD_COMMAND ${wasm_env} ${CMAKE_COMMAND} --build <BINARY_DIR>
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  USES_TERMINAL_BUILD ON)
