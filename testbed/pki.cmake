# Throwaway test certificates, made at build time and never committed:
#   ca.pem / ca.key / ca.der   the test CA, trusted only inside the test Wine prefix
#   server.pem / server.key    HTTPS certificate of the stand-ins (DNS:localhost), from the test CA
#   untrusted.pem / .key       a localhost certificate from a CA nobody trusts; the client must refuse it
#   codesign.pem / .key        code-signing certificate from the test CA, for the payloads
#   packagesign.pem / .key     code-signing certificate from the test CA ("qel package signer"):
#                              the protection product's publisher, as codesign is the archiver's
#   othersign.pem / .key       a further code-signing certificate from the same CA ("qel other
#                              signer"): valid, but no product's publisher
#   second-ca.pem / .key       a second CA ("qel second CA"), trusted nowhere: Wine accepts a code
#                              signature whatever its root, so only the issuer's name refuses it
#   secondsign.pem / .key      a code-signing certificate that carries the archiver publisher's
#                              name ("qel test signer") but comes from the second CA
# Output: ${QEL_TEST_PKI_DIR}; target: qel_test_pki.
find_program(QEL_OPENSSL openssl REQUIRED)

set(QEL_TEST_PKI_DIR ${CMAKE_BINARY_DIR}/testbed/pki)
set(QEL_TEST_PKI_CONFIG ${CMAKE_SOURCE_DIR}/testbed/pki.cnf)

# Commands that make <name>.key and <name>.pem, signed by <issuer> (or self-signed
# when issuer is empty), with the extensions of <section> in pki.cnf.
function(qel_pki_commands out name subject section issuer)
  set(dir ${QEL_TEST_PKI_DIR})
  set(cmds
    COMMAND ${QEL_OPENSSL} genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 -quiet -out ${dir}/${name}.key)
  if(issuer STREQUAL "")
    list(APPEND cmds
      COMMAND ${QEL_OPENSSL} req -x509 -new -config ${QEL_TEST_PKI_CONFIG} -key ${dir}/${name}.key
              -subj ${subject} -days 3650 -sha256 -extensions ${section} -out ${dir}/${name}.pem)
  else()
    list(APPEND cmds
      COMMAND ${QEL_OPENSSL} req -new -config ${QEL_TEST_PKI_CONFIG} -key ${dir}/${name}.key
              -subj ${subject} -out ${dir}/${name}.csr
      COMMAND ${QEL_OPENSSL} x509 -req -in ${dir}/${name}.csr -CA ${dir}/${issuer}.pem -CAkey ${dir}/${issuer}.key
              -set_serial 0x${name_serial_${name}} -days 3650 -sha256
              -extfile ${QEL_TEST_PKI_CONFIG} -extensions ${section} -out ${dir}/${name}.pem
      COMMAND ${CMAKE_COMMAND} -E rm -f ${dir}/${name}.csr)
  endif()
  set(${out} ${${out}} ${cmds} PARENT_SCOPE)
endfunction()

# Distinct serials per issuer.
set(name_serial_server 1001)
set(name_serial_codesign 1002)
set(name_serial_othersign 1003)
set(name_serial_packagesign 1004)
set(name_serial_secondsign 3001)
set(name_serial_untrusted 2001)

set(pki_commands COMMAND ${CMAKE_COMMAND} -E make_directory ${QEL_TEST_PKI_DIR})
qel_pki_commands(pki_commands ca "/CN=qel test CA" ca "")
qel_pki_commands(pki_commands server "/CN=localhost" server ca)
qel_pki_commands(pki_commands codesign "/CN=qel test signer" codesign ca)
qel_pki_commands(pki_commands othersign "/CN=qel other signer" codesign ca)
qel_pki_commands(pki_commands packagesign "/CN=qel package signer" codesign ca)
qel_pki_commands(pki_commands second-ca "/CN=qel second CA" ca "")
qel_pki_commands(pki_commands secondsign "/CN=qel test signer" codesign second-ca)
qel_pki_commands(pki_commands untrusted-ca "/CN=qel untrusted CA" ca "")
qel_pki_commands(pki_commands untrusted "/CN=localhost" server untrusted-ca)

set(QEL_TEST_PKI_FILES
  ${QEL_TEST_PKI_DIR}/ca.pem ${QEL_TEST_PKI_DIR}/ca.key ${QEL_TEST_PKI_DIR}/ca.der
  ${QEL_TEST_PKI_DIR}/server.pem ${QEL_TEST_PKI_DIR}/server.key
  ${QEL_TEST_PKI_DIR}/untrusted.pem ${QEL_TEST_PKI_DIR}/untrusted.key
  ${QEL_TEST_PKI_DIR}/codesign.pem ${QEL_TEST_PKI_DIR}/codesign.key
  ${QEL_TEST_PKI_DIR}/othersign.pem ${QEL_TEST_PKI_DIR}/othersign.key
  ${QEL_TEST_PKI_DIR}/packagesign.pem ${QEL_TEST_PKI_DIR}/packagesign.key
  ${QEL_TEST_PKI_DIR}/second-ca.pem ${QEL_TEST_PKI_DIR}/second-ca.key
  ${QEL_TEST_PKI_DIR}/secondsign.pem ${QEL_TEST_PKI_DIR}/secondsign.key)

add_custom_command(OUTPUT ${QEL_TEST_PKI_FILES}
  ${pki_commands}
  COMMAND ${QEL_OPENSSL} x509 -in ${QEL_TEST_PKI_DIR}/ca.pem -outform DER -out ${QEL_TEST_PKI_DIR}/ca.der
  # The untrusted CA's key is of no use to anyone; drop it so nothing can sign with it.
  COMMAND ${CMAKE_COMMAND} -E rm -f ${QEL_TEST_PKI_DIR}/untrusted-ca.key
  DEPENDS ${QEL_TEST_PKI_CONFIG} ${CMAKE_CURRENT_LIST_FILE}
  COMMENT "Generating the test certificates in ${QEL_TEST_PKI_DIR}"
  VERBATIM)
add_custom_target(qel_test_pki DEPENDS ${QEL_TEST_PKI_FILES})
