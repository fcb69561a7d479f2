# Test payloads: stand-ins for the products' installers, built from our own
# sources and signed with the test code-signing certificate of pki.cmake.
# Output in ${QEL_TEST_PAYLOADS_DIR} (never committed):
#   qbx623x64.exe            fake archiver installer, signed by the archiver's test publisher
#   Sentovar.msi             protection product package (installs qeltray.exe), signed by the
#                            protection product's test publisher ("qel package signer")
#   qeltray.exe              the tray program the package installs, signed
#   unsigned/qbx623x64.exe   the same files without a signature
#   unsigned/Sentovar.msi
#   tampered/qbx623x64.exe   signed, then one code byte changed
#   other-signer/qbx623x64.exe  validly signed, but by a third test certificate
#   other-signer/Sentovar.msi   ("qel other signer"), no product's publisher
#   cross-signer/qbx623x64.exe  each signed by the other product's publisher
#   cross-signer/Sentovar.msi
#   second-ca/qbx623x64.exe  signed by a certificate named as the archiver's publisher, from
#                            another CA
#   failing/Sentovar.msi     a package whose launch condition never holds: the Windows Installer
#                            refuses it with 1603; signed by the protection product's publisher
#   <each name of QEL_TEST_ARCHIVER_ALIASES>  copies of the signed qbx623x64.exe, so
#                            the addresses the product catalogue builds find a file
# The stand-in servers serve this folder; every file keeps the name the
# downloader saves it under (the last part of its address). Target: qel_test_payloads.
# Product code of Sentovar.msi (the removal command line needs it):
set(QEL_TEST_PRODUCT_CODE "{2AB5D0D0-798F-407D-BAEC-CD98942255BD}")

find_program(QEL_OSSLSIGNCODE osslsigncode REQUIRED)
find_program(QEL_WIXL wixl REQUIRED)
find_package(Python3 COMPONENTS Interpreter REQUIRED)

set(QEL_TEST_PAYLOADS_DIR ${CMAKE_BINARY_DIR}/testbed/payloads)
# The English builds, which a test machine without a locale of its own gets.
set(QEL_TEST_ARCHIVER_ALIASES qbx64-623.exe qbx32-623.exe CACHE STRING
    "Further names the signed fake archiver installer is served under")
set(payload_source ${CMAKE_SOURCE_DIR}/testbed/payloads)
set(payload_programs ${CMAKE_BINARY_DIR}/testbed/payload-programs)
file(MAKE_DIRECTORY ${QEL_TEST_PAYLOADS_DIR})

# GUI programs that open no window: a hidden start then creates no console.
foreach(program fake_archiver tray)
  add_executable(qel_payload_${program} WIN32 ${payload_source}/${program}.cpp)
  target_link_libraries(qel_payload_${program} PRIVATE qel_options)
  target_link_options(qel_payload_${program} PRIVATE -s)
  set_target_properties(qel_payload_${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${payload_programs})
endforeach()

# qel_sign_commands(<out> <input> <output> [<certificate> [<issuer>]]): commands
# that sign a copy of input, with codesign (the default) or another certificate
# of pki.cmake, issued by ca (the default) or another CA.
function(qel_sign_commands out input output)
  set(certificate codesign)
  set(issuer ca)
  if(ARGC GREATER 3)
    set(certificate ${ARGV3})
  endif()
  if(ARGC GREATER 4)
    set(issuer ${ARGV4})
  endif()
  set(${out} ${${out}}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${output}
    COMMAND ${QEL_OSSLSIGNCODE} sign -certs ${QEL_TEST_PKI_DIR}/${certificate}.pem
            -key ${QEL_TEST_PKI_DIR}/${certificate}.key
            -ac ${QEL_TEST_PKI_DIR}/${issuer}.pem -h sha256 -n "qel test payload" -in ${input} -out ${output}
    PARENT_SCOPE)
endfunction()

set(archiver ${QEL_TEST_PAYLOADS_DIR}/qbx623x64.exe)
set(tray ${QEL_TEST_PAYLOADS_DIR}/qeltray.exe)
set(package ${QEL_TEST_PAYLOADS_DIR}/Sentovar.msi)
set(unsigned_archiver ${QEL_TEST_PAYLOADS_DIR}/unsigned/qbx623x64.exe)
set(unsigned_package ${QEL_TEST_PAYLOADS_DIR}/unsigned/Sentovar.msi)
set(tampered_archiver ${QEL_TEST_PAYLOADS_DIR}/tampered/qbx623x64.exe)
set(other_archiver ${QEL_TEST_PAYLOADS_DIR}/other-signer/qbx623x64.exe)
set(other_package ${QEL_TEST_PAYLOADS_DIR}/other-signer/Sentovar.msi)
set(cross_archiver ${QEL_TEST_PAYLOADS_DIR}/cross-signer/qbx623x64.exe)
set(cross_package ${QEL_TEST_PAYLOADS_DIR}/cross-signer/Sentovar.msi)
set(second_ca_archiver ${QEL_TEST_PAYLOADS_DIR}/second-ca/qbx623x64.exe)
set(unsigned_failing_package ${QEL_TEST_PAYLOADS_DIR}/unsigned/failing/Sentovar.msi)
set(failing_package ${QEL_TEST_PAYLOADS_DIR}/failing/Sentovar.msi)
set(signing_inputs)
foreach(name codesign packagesign othersign secondsign)
  list(APPEND signing_inputs ${QEL_TEST_PKI_DIR}/${name}.pem ${QEL_TEST_PKI_DIR}/${name}.key)
endforeach()
list(APPEND signing_inputs ${QEL_TEST_PKI_DIR}/ca.pem ${QEL_TEST_PKI_DIR}/second-ca.pem)

set(archiver_commands
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QEL_TEST_PAYLOADS_DIR}/unsigned ${QEL_TEST_PAYLOADS_DIR}/tampered
          ${QEL_TEST_PAYLOADS_DIR}/other-signer ${QEL_TEST_PAYLOADS_DIR}/cross-signer
          ${QEL_TEST_PAYLOADS_DIR}/second-ca
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:qel_payload_fake_archiver> ${unsigned_archiver})
qel_sign_commands(archiver_commands ${unsigned_archiver} ${archiver})
qel_sign_commands(archiver_commands ${unsigned_archiver} ${other_archiver} othersign)
qel_sign_commands(archiver_commands ${unsigned_archiver} ${cross_archiver} packagesign)
qel_sign_commands(archiver_commands ${unsigned_archiver} ${second_ca_archiver} secondsign second-ca)
set(archiver_aliases)
foreach(alias ${QEL_TEST_ARCHIVER_ALIASES})
  list(APPEND archiver_aliases ${QEL_TEST_PAYLOADS_DIR}/${alias})
  list(APPEND archiver_commands COMMAND ${CMAKE_COMMAND} -E copy ${archiver} ${QEL_TEST_PAYLOADS_DIR}/${alias})
endforeach()
add_custom_command(OUTPUT ${archiver} ${unsigned_archiver} ${tampered_archiver} ${other_archiver} ${cross_archiver}
  ${second_ca_archiver} ${archiver_aliases}
  ${archiver_commands}
  COMMAND ${Python3_EXECUTABLE} ${payload_source}/tamper.py ${archiver} ${tampered_archiver}
  DEPENDS qel_payload_fake_archiver ${signing_inputs} ${payload_source}/tamper.py
  COMMENT "Signing the fake archiver installer"
  VERBATIM)

# The package holds the signed tray program; wixl looks its source up from the
# working directory.
set(package_commands COMMAND ${CMAKE_COMMAND} -E make_directory ${QEL_TEST_PAYLOADS_DIR}/unsigned/failing
    ${QEL_TEST_PAYLOADS_DIR}/other-signer ${QEL_TEST_PAYLOADS_DIR}/cross-signer ${QEL_TEST_PAYLOADS_DIR}/failing)
qel_sign_commands(package_commands $<TARGET_FILE:qel_payload_tray> ${tray})
list(APPEND package_commands
  COMMAND ${CMAKE_COMMAND} -E rm -f ${unsigned_package} ${unsigned_failing_package}
  COMMAND ${QEL_WIXL} -a x64 -D TrayExe=qeltray.exe -D Fail=no -o ${unsigned_package} ${payload_source}/sentovar.wxs
  COMMAND ${QEL_WIXL} -a x64 -D TrayExe=qeltray.exe -D Fail=yes -o ${unsigned_failing_package}
          ${payload_source}/sentovar.wxs)
qel_sign_commands(package_commands ${unsigned_package} ${package} packagesign)
qel_sign_commands(package_commands ${unsigned_package} ${other_package} othersign)
qel_sign_commands(package_commands ${unsigned_package} ${cross_package})
qel_sign_commands(package_commands ${unsigned_failing_package} ${failing_package} packagesign)
add_custom_command(OUTPUT ${tray} ${package} ${unsigned_package} ${other_package} ${cross_package}
  ${unsigned_failing_package} ${failing_package}
  ${package_commands}
  WORKING_DIRECTORY ${QEL_TEST_PAYLOADS_DIR}
  DEPENDS qel_payload_tray ${signing_inputs} ${payload_source}/sentovar.wxs
  COMMENT "Building and signing the protection product package"
  VERBATIM)

add_custom_target(qel_test_payloads ALL
  DEPENDS ${archiver} ${unsigned_archiver} ${tampered_archiver} ${other_archiver} ${cross_archiver}
          ${second_ca_archiver} ${archiver_aliases} ${tray} ${package} ${unsigned_package} ${other_package}
          ${cross_package} ${failing_package})
add_dependencies(qel_test_payloads qel_test_pki)
