# fast_float, the correctly rounded number reader (Debian's libfast-float-dev), is header-only.
# Its headers are copied into the build tree, so that a cross-compiler is never pointed at the
# host's /usr/include to find them.
find_path(VESMAROT_FAST_FLOAT_DIR fast_float/fast_float.h
    PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(COPY ${VESMAROT_FAST_FLOAT_DIR}/fast_float DESTINATION ${PROJECT_BINARY_DIR}/fast-float)
add_library(vesmarot_fast_float INTERFACE)
target_include_directories(vesmarot_fast_float SYSTEM INTERFACE ${PROJECT_BINARY_DIR}/fast-float)
