# Every test has a time limit, generous for a loaded machine (the Windows
# tests start Wine on two shared cores) but finite: a test that hangs fails
# instead of holding the run. Tests that gtest_discover_tests makes are given
# it by their call (ctest learns of them only when it runs); every other test
# of the tree gets it where it has none of its own.
if(WIN32)
  set(SOLQUERA_TEST_TIMEOUT 600 CACHE STRING "Seconds a test may run")
else()
  set(SOLQUERA_TEST_TIMEOUT 120 CACHE STRING "Seconds a test may run")
endif()

# Called deferred at the top of each directory that adds tests, so that it
# sees them all, early returns included.
function(solquera_limit_tests)
  get_property(tests DIRECTORY PROPERTY TESTS)
  foreach(test ${tests})
    get_test_property(${test} TIMEOUT timeout)
    if(NOT timeout)
      set_tests_properties(${test} PROPERTIES TIMEOUT ${SOLQUERA_TEST_TIMEOUT})
    endif()
  endforeach()
endfunction()
