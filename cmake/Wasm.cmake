# The Qt-free libraries built with emscripten in ${CORVANE_WASM_BINARY_DIR}, as part of this
# build, so that the suite runs them under node and compares them with the native ones.
include(ExternalProject)
find_program(EMCMAKE emcmake REQUIRED)
set(CORVANE_WASM_BINARY_DIR ${PROJECT_BINARY_DIR}/wasm)
ExternalProject_Add(wasm
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${CORVANE_WASM_BINARY_DIR}
  CONFIGURE_COMMAND ${EMCMAKE} ${CMAKE_COMMAND} -S <SOURCE_DIR> -B <BINARY_DIR>
    -DCMAKE_BUILD_TYPE=Release
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR>
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  USES_TERMINAL_BUILD ON)
