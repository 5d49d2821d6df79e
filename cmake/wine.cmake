# Windows programs run through wine64 with the build's own prefix; ctest runs
# the test programs through a wrapper that survives Wine's rare failed start.
# A runner script for one prefix of the build tree.
function(solquera_wine_runner name prefix)
  set(WINE_PREFIX ${prefix})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/${name} @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endfunction()

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  solquera_wine_runner(wine-run ${CMAKE_BINARY_DIR}/wineprefix)
  set(WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
  # The two-monitor tests run on a display of their own, so with a server and
  # a prefix of their own.
  set(WINE_PREFIX_TWO_MONITORS ${CMAKE_BINARY_DIR}/wineprefix-two-monitors)
  solquera_wine_runner(wine-run-two-monitors ${WINE_PREFIX_TWO_MONITORS})
  set(WINE_RUN_TWO_MONITORS ${CMAKE_BINARY_DIR}/wine-run-two-monitors)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-test.sh.in ${CMAKE_BINARY_DIR}/wine-test @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-test)
  set(SOLQUERA_RUNS_HERE ON)
else()
  set(SOLQUERA_RUNS_HERE OFF)
endif()

# The path under which a Windows program in the prefix sees a file of this
# machine: Wine maps the Unix root to drive Z:.
function(solquera_wine_path out unix_path)
  string(REPLACE "/" "\\\\" win "${unix_path}")
  set(${out} "Z:${win}" PARENT_SCOPE)
endfunction()
