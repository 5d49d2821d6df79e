# libjpeg-turbo (6b API) built static from Debian's source package, which
# scripts/setup.sh unpacks under build/deps: cross-built for the Windows builds,
# and with the fuzzer's instrumentation for the fuzz build. The result is cached
# in this build tree. LIBJPEG_EXTRA_ARGS adds settings of the including build
# (the fuzz build's compiler and instrumentation).
file(GLOB LIBJPEG_SOURCE_DIR LIST_DIRECTORIES true "${CMAKE_SOURCE_DIR}/build/deps/libjpeg-turbo-*")
list(FILTER LIBJPEG_SOURCE_DIR INCLUDE REGEX "libjpeg-turbo-[0-9.]+$")
if(NOT LIBJPEG_SOURCE_DIR)
  message(FATAL_ERROR "libjpeg-turbo source missing: run scripts/setup.sh first")
endif()

include(ExternalProject)
set(LIBJPEG_PREFIX ${CMAKE_BINARY_DIR}/libjpeg)
set(LIBJPEG_LIBRARY ${LIBJPEG_PREFIX}/lib/libjpeg.a)
ExternalProject_Add(libjpeg_turbo
  SOURCE_DIR ${LIBJPEG_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/libjpeg-build
  INSTALL_DIR ${LIBJPEG_PREFIX}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
    -DENABLE_SHARED=0
    -DWITH_TURBOJPEG=0
    -DWITH_SIMD=1
    # A page's decoding relies on the SIMD routines: without NASM the build
    # fails rather than quietly going without them.
    -DREQUIRE_SIMD=1
    -DCMAKE_INSTALL_LIBDIR=<INSTALL_DIR>/lib
    ${LIBJPEG_EXTRA_ARGS}
  BUILD_BYPRODUCTS ${LIBJPEG_LIBRARY}
  UPDATE_COMMAND ""
)
file(MAKE_DIRECTORY ${LIBJPEG_PREFIX}/include)
add_library(jpeg_static STATIC IMPORTED GLOBAL)
set_target_properties(jpeg_static PROPERTIES
  IMPORTED_LOCATION ${LIBJPEG_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${LIBJPEG_PREFIX}/include)
add_dependencies(jpeg_static libjpeg_turbo)
