# Windows programs run through Wine with the build's own prefix: the x86_64
# build through the system's wine64, the i686 build through the 32-bit Wine
# that scripts/install-wine32.sh unpacks into build/wine32 where this kernel
# runs 32-bit programs (without it the i686 build is only inspected). ctest
# runs the test programs through a wrapper that survives Wine's rare failed
# start. Wine reads the screen's DPI when its server starts, so each DPI the
# tests need has a prefix (and a server) of its own; so has each X display.
set(SOLQUERA_WINE32_DIR ${CMAKE_SOURCE_DIR}/build/wine32)
macro(solquera_use_wine64)
  set(WINE_ARCH win64)
  set(WINE /usr/lib/wine/wine64)
  set(WINESERVER /usr/lib/wine/wineserver)
  set(WINE_ENVIRONMENT "")
endmacro()
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  solquera_use_wine64()
elseif(EXISTS ${SOLQUERA_WINE32_DIR}/.ready)
  set(WINE_ARCH win32)
  set(WINE ${SOLQUERA_WINE32_DIR}/usr/lib/wine/wine)
  set(WINESERVER ${SOLQUERA_WINE32_DIR}/usr/lib/wine/wineserver)
  set(WINE_ENVIRONMENT "export LD_LIBRARY_PATH=\"${SOLQUERA_WINE32_DIR}/usr/lib/i386-linux-gnu:\
${SOLQUERA_WINE32_DIR}/lib/i386-linux-gnu\${LD_LIBRARY_PATH:+:\$LD_LIBRARY_PATH}\"")
else()
  set(WINE_ARCH "")
endif()

# Makes the runner (wine-run<suffix>) and ctest's wrapper (wine-test<suffix>)
# of a prefix at the DPI under the Wine that WINE, WINESERVER, WINE_ARCH and
# WINE_ENVIRONMENT name; sets WINE_RUN<SUFFIX> and WINE_TEST<SUFFIX> and
# WINE_PREFIX<SUFFIX> (a suffix "-144dpi" gives WINE_TEST_144DPI).
function(solquera_wine_prefix suffix dpi)
  string(MAKE_C_IDENTIFIER "${suffix}" variable_suffix)
  string(TOUPPER "${variable_suffix}" variable_suffix)
  set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix${suffix})
  set(WINE_DPI ${dpi})
  set(WINE_RUN ${CMAKE_BINARY_DIR}/wine-run${suffix})
  set(permissions FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${WINE_RUN} @ONLY ${permissions})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-test.sh.in ${CMAKE_BINARY_DIR}/wine-test${suffix} @ONLY
    ${permissions})
  set(WINE_PREFIX${variable_suffix} ${WINE_PREFIX} PARENT_SCOPE)
  set(WINE_RUN${variable_suffix} ${WINE_RUN} PARENT_SCOPE)
  set(WINE_TEST${variable_suffix} ${CMAKE_BINARY_DIR}/wine-test${suffix} PARENT_SCOPE)
endfunction()

if(WINE_ARCH)
  solquera_wine_prefix("" 96)
  solquera_wine_prefix("-144dpi" 144)
  # The two-monitor tests run on a display of their own, so with a server and
  # a prefix of their own.
  solquera_wine_prefix("-two-monitors" 96)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_TEST})
  set(SOLQUERA_RUNS_HERE ON)
else()
  set(SOLQUERA_RUNS_HERE OFF)
endif()

# The x86 package must refuse 64-bit Windows: a prefix of the system's wine64
# tries it.
if(NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  solquera_use_wine64()
  solquera_wine_prefix("-wine64" 96)
endif()

# The path under which a Windows program in the prefix sees a file of this
# machine: Wine maps the Unix root to drive Z:.
function(solquera_wine_path out unix_path)
  string(REPLACE "/" "\\\\" win "${unix_path}")
  set(${out} "Z:${win}" PARENT_SCOPE)
endfunction()
