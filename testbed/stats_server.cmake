# The statistics stand-in (testbed/stats_server.py), started and stopped by CTest
# as the fixture "testbed_stats". Its start and stop tests also set up and clean
# up the fixture "testbed", so every area marked TESTBED gets it as well.
# Port: QEL_TESTBED_PORT_BASE + 60, as app/configuration.cpp expects; + 61 is its
# silent listener (a statistics server that never answers).
math(EXPR QEL_TESTBED_STATS_PORT "${QEL_TESTBED_PORT_BASE} + 60")
set(QEL_TESTBED_STATS_SCRIPT ${CMAKE_SOURCE_DIR}/testbed/stats_server.py)
set(QEL_TESTBED_STATS_STATE_DIR ${CMAKE_BINARY_DIR}/testbed/stats-state)

add_test(NAME testbed_stats.start
  COMMAND ${QEL_PYTHON3} ${QEL_TESTBED_STATS_SCRIPT} start --pki ${QEL_TEST_PKI_DIR}
          --port ${QEL_TESTBED_STATS_PORT} --state ${QEL_TESTBED_STATS_STATE_DIR})
add_test(NAME testbed_stats.stop
  COMMAND ${QEL_PYTHON3} ${QEL_TESTBED_STATS_SCRIPT} stop --state ${QEL_TESTBED_STATS_STATE_DIR})
set_tests_properties(testbed_stats.start PROPERTIES FIXTURES_SETUP "testbed_stats;testbed" LABELS testbed TIMEOUT 30)
set_tests_properties(testbed_stats.stop PROPERTIES FIXTURES_CLEANUP "testbed_stats;testbed" LABELS testbed TIMEOUT 30)
