# Test payloads: stand-ins for the products' installers, built from our own
# sources and signed with the test code-signing certificate of pki.cmake.
# Output in ${QEL_TEST_PAYLOADS_DIR} (never committed):
#   qbx623x64.exe            fake archiver installer, signed
#   Sentovar.msi             protection product package (installs qeltray.exe), signed
#   qeltray.exe              the tray program the package installs, signed
#   unsigned/qbx623x64.exe   the same files without a signature
#   unsigned/Sentovar.msi
#   tampered/qbx623x64.exe   signed, then one code byte changed
#   other-signer/qbx623x64.exe  validly signed, but by the second test certificate
#   other-signer/Sentovar.msi   ("qel other signer"), not the publisher the installer accepts
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

# qel_sign_commands(<out> <input> <output> [<certificate>]): commands that sign a
# copy of input, with codesign (the default) or another certificate of pki.cmake.
function(qel_sign_commands out input output)
  set(certificate codesign)
  if(ARGC GREATER 3)
    set(certificate ${ARGV3})
  endif()
  set(${out} ${${out}}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${output}
    COMMAND ${QEL_OSSLSIGNCODE} sign -certs ${QEL_TEST_PKI_DIR}/${certificate}.pem
            -key ${QEL_TEST_PKI_DIR}/${certificate}.key
            -ac ${QEL_TEST_PKI_DIR}/ca.pem -h sha256 -n "qel test payload" -in ${input} -out ${output}
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
set(signing_inputs ${QEL_TEST_PKI_DIR}/codesign.pem ${QEL_TEST_PKI_DIR}/codesign.key ${QEL_TEST_PKI_DIR}/ca.pem
    ${QEL_TEST_PKI_DIR}/othersign.pem ${QEL_TEST_PKI_DIR}/othersign.key)

set(archiver_commands
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QEL_TEST_PAYLOADS_DIR}/unsigned ${QEL_TEST_PAYLOADS_DIR}/tampered
          ${QEL_TEST_PAYLOADS_DIR}/other-signer
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:qel_payload_fake_archiver> ${unsigned_archiver})
qel_sign_commands(archiver_commands ${unsigned_archiver} ${archiver})
qel_sign_commands(archiver_commands ${unsigned_archiver} ${other_archiver} othersign)
set(archiver_aliases)
foreach(alias ${QEL_TEST_ARCHIVER_ALIASES})
  list(APPEND archiver_aliases ${QEL_TEST_PAYLOADS_DIR}/${alias})
  list(APPEND archiver_commands COMMAND ${CMAKE_COMMAND} -E copy ${archiver} ${QEL_TEST_PAYLOADS_DIR}/${alias})
endforeach()
add_custom_command(OUTPUT ${archiver} ${unsigned_archiver} ${tampered_archiver} ${other_archiver} ${archiver_aliases}
  ${archiver_commands}
  COMMAND ${Python3_EXECUTABLE} ${payload_source}/tamper.py ${archiver} ${tampered_archiver}
  DEPENDS qel_payload_fake_archiver ${signing_inputs} ${payload_source}/tamper.py
  COMMENT "Signing the fake archiver installer"
  VERBATIM)

# The package holds the signed tray program; wixl looks its source up from the
# working directory.
set(package_commands COMMAND ${CMAKE_COMMAND} -E make_directory ${QEL_TEST_PAYLOADS_DIR}/unsigned
    ${QEL_TEST_PAYLOADS_DIR}/other-signer)
qel_sign_commands(package_commands $<TARGET_FILE:qel_payload_tray> ${tray})
list(APPEND package_commands
  COMMAND ${CMAKE_COMMAND} -E rm -f ${unsigned_package}
  COMMAND ${QEL_WIXL} -a x64 -D TrayExe=qeltray.exe -o ${unsigned_package} ${payload_source}/sentovar.wxs)
qel_sign_commands(package_commands ${unsigned_package} ${package})
qel_sign_commands(package_commands ${unsigned_package} ${other_package} othersign)
add_custom_command(OUTPUT ${tray} ${package} ${unsigned_package} ${other_package}
  ${package_commands}
  WORKING_DIRECTORY ${QEL_TEST_PAYLOADS_DIR}
  DEPENDS qel_payload_tray ${signing_inputs} ${payload_source}/sentovar.wxs
  COMMENT "Building and signing the protection product package"
  VERBATIM)

add_custom_target(qel_test_payloads ALL
  DEPENDS ${archiver} ${unsigned_archiver} ${tampered_archiver} ${other_archiver} ${archiver_aliases}
          ${tray} ${package} ${unsigned_package} ${other_package})
add_dependencies(qel_test_payloads qel_test_pki)
