# The local stand-ins for the outside servers (testbed/server.py), started and
# stopped by CTest itself as the fixture "testbed": a test area that needs them
# says so with qel_test_area(... TESTBED ...) and gets
#   - FIXTURES_REQUIRED testbed on every case, so `ctest -L <area>` starts them too;
#   - the compile definitions below (through the interface target qel_testbed),
#     read in tests/support/testbed.h.
# Ports count from QEL_TESTBED_PORT_BASE; pick another base for a second build
# tree whose tests may run at the same time.
set(QEL_TESTBED_PORT_BASE 18000 CACHE STRING "First loopback port of the stand-in servers (10 ports; the statistics stand-in uses base + 60 and 61)")
find_program(QEL_PYTHON3 python3 REQUIRED)

set(QEL_TESTBED_SCRIPT ${CMAKE_SOURCE_DIR}/testbed/server.py)
# Files served by the stand-ins; payload builds write their outputs here.
if(DEFINED QEL_TEST_PAYLOADS_DIR)
  set(QEL_TESTBED_PAYLOAD_DIR ${QEL_TEST_PAYLOADS_DIR})
else()
  set(QEL_TESTBED_PAYLOAD_DIR ${CMAKE_BINARY_DIR}/testbed/payloads)
endif()
set(QEL_TESTBED_STATE_DIR ${CMAKE_BINARY_DIR}/testbed/state)
file(MAKE_DIRECTORY ${QEL_TESTBED_PAYLOAD_DIR})

math(EXPR qel_port_download_http "${QEL_TESTBED_PORT_BASE} + 0")
math(EXPR qel_port_download_https "${QEL_TESTBED_PORT_BASE} + 1")
math(EXPR qel_port_update_http "${QEL_TESTBED_PORT_BASE} + 2")
math(EXPR qel_port_update_https "${QEL_TESTBED_PORT_BASE} + 3")
math(EXPR qel_port_untrusted_https "${QEL_TESTBED_PORT_BASE} + 4")
math(EXPR qel_port_closed "${QEL_TESTBED_PORT_BASE} + 9")

# The payload folder as the Windows programs see it (Wine maps / to Z:; forward
# slashes are fine in Windows paths and need no escaping here).
set(qel_payload_windows "Z:${QEL_TESTBED_PAYLOAD_DIR}")

add_library(qel_testbed INTERFACE)
target_compile_definitions(qel_testbed INTERFACE
  QEL_TESTBED_HOST=L"localhost"
  QEL_TESTBED_DOWNLOAD_HTTP_PORT=${qel_port_download_http}
  QEL_TESTBED_DOWNLOAD_HTTPS_PORT=${qel_port_download_https}
  QEL_TESTBED_UPDATE_HTTP_PORT=${qel_port_update_http}
  QEL_TESTBED_UPDATE_HTTPS_PORT=${qel_port_update_https}
  QEL_TESTBED_UNTRUSTED_HTTPS_PORT=${qel_port_untrusted_https}
  QEL_TESTBED_CLOSED_PORT=${qel_port_closed}
  QEL_TESTBED_PAYLOAD_DIR=L"${qel_payload_windows}")

add_test(NAME testbed.start
  COMMAND ${QEL_PYTHON3} ${QEL_TESTBED_SCRIPT} start --payload ${QEL_TESTBED_PAYLOAD_DIR}
          --pki ${QEL_TEST_PKI_DIR} --port-base ${QEL_TESTBED_PORT_BASE} --state ${QEL_TESTBED_STATE_DIR})
add_test(NAME testbed.stop
  COMMAND ${QEL_PYTHON3} ${QEL_TESTBED_SCRIPT} stop --state ${QEL_TESTBED_STATE_DIR})
# The HTTPS stand-ins hold certificates from the build's test CA; the Wine prefix
# the tests run in (WINEPREFIX, else build/wineprefix, as tools/wine-run) must
# trust it. tools/test does the same before it starts CTest; here it covers a
# plain `ctest` run. Nothing happens when the prefix trusts it already.
add_test(NAME testbed.trust_ca
  COMMAND bash -c "source '${CMAKE_SOURCE_DIR}/tools/lib.sh' && qel_trust_test_ca '${QEL_TEST_PKI_DIR}/ca.der'")
set_tests_properties(testbed.trust_ca PROPERTIES FIXTURES_SETUP testbed LABELS testbed TIMEOUT 60)
set_tests_properties(testbed.start PROPERTIES FIXTURES_SETUP testbed LABELS testbed TIMEOUT 30)
set_tests_properties(testbed.stop PROPERTIES FIXTURES_CLEANUP testbed LABELS testbed TIMEOUT 30)
