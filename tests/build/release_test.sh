#!/usr/bin/env bash
# tools/release on two 32-bit trees that exist (the reproducible test's), each
# case a row: who signs, and what must come of it.
#   - the test certificate: the output says so; the signature verifies against
#     the test CA and names the test signer; SHA256SUMS checks; the unsigned
#     file is the build's; RELEASE.txt names the version, the commit and sizes;
#   - a PKCS#12 file with its password, checked against the CA that issued it;
#   - a wrong password, or a certificate from a CA other than the one named to
#     check against: it fails, saying why, and leaves no signed file;
#   - two trees whose executables differ: it fails, naming where.
# Usage: release_test.sh <first tree> <second tree> <test pki folder> <scratch folder>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
release=$here/../../tools/release
[ $# -eq 4 ] || { echo "usage: release_test.sh <first tree> <second tree> <test pki> <scratch>"; exit 2; }
first=$1 second=$2 pki=$3 scratch=$4
rm -rf "$scratch" && mkdir -p "$scratch"
out=$scratch/out
status=0
fail() {
  echo "FAILED ($case): $*"
  status=1
}

# run <expected exit: 0|1> [VAR=value...]: tools/release on the trees of $trees.
run() {
  local expected=$1 rc
  shift
  set +e
  output=$(env -u QEL_SIGN_PKCS12 -u QEL_SIGN_PASSWORD -u QEL_SIGN_CAFILE -u QEL_TIMESTAMP_URL \
    QEL_RELEASE_TREES="$trees" QEL_RELEASE_OUT="$out" QEL_TEST_PKI="$pki" "$@" "$release" 2>&1)
  rc=$?
  set -e
  if { [ "$expected" = 0 ] && [ $rc -ne 0 ]; } || { [ "$expected" = 1 ] && [ $rc -eq 0 ]; }; then
    fail "tools/release exited with $rc; it said:"
    printf '%s\n' "$output" | sed 's/^/    /'
    return 1
  fi
}

# signed_by <subject>: the release's executable verifies against the test CA
# and its signer is <subject>.
signed_by() {
  local verified
  if ! verified=$(osslsigncode verify -CAfile "$pki/ca.pem" -in "$out/installer.exe" 2>&1) ||
    ! grep -q 'Signature verification: ok' <<<"$verified"; then
    fail "the signature does not verify:"
    printf '%s\n' "$verified" | sed 's/^/    /'
  elif ! grep -q "Subject: .*CN *= *$1\$" <<<"$verified"; then
    fail "not signed by $1: $(grep 'Subject:' <<<"$verified" | head -n 1)"
  fi
}

trees="$first $second"
version=$(sed -n 's/^#define QEL_VERSION "\(.*\)"$/\1/p' "$first/generated/build_identity.h")
commit=$(sed -n 's/^#define QEL_COMMIT "\(.*\)"$/\1/p' "$first/generated/build_identity.h")

case="test certificate"
if run 0; then
  grep -q "TEST code-signing certificate" <<<"$output" || fail "the output does not say that the test certificate signed"
  signed_by "qel test signer"
  (cd "$out" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the files"
  [ "$(awk '{print $2}' "$out/SHA256SUMS" | sort | tr '\n' ' ')" = "installer-unsigned.exe installer.exe " ] ||
    fail "SHA256SUMS does not list both executables: $(cat "$out/SHA256SUMS")"
  cmp -s "$out/installer-unsigned.exe" "$first/installer.exe" || fail "the unsigned executable is not the build's"
  cmp -s "$out/installer-unsigned.exe" "$out/installer.exe" && fail "the signed executable is the unsigned one"
  notes=$(cat "$out/RELEASE.txt")
  for line in "Quobex Varnhelm Installer $version" "commit: $commit" \
    "installer.exe: $(stat -c %s "$out/installer.exe") bytes, signed by " \
    "installer-unsigned.exe: $(stat -c %s "$first/installer.exe") bytes" "TEST certificate" "time stamp: none"; do
    grep -qF "$line" <<<"$notes" || fail "RELEASE.txt lacks \"$line\": $notes"
  done
fi

case="a PKCS#12 file"
openssl pkcs12 -export -inkey "$pki/codesign.key" -in "$pki/codesign.pem" -certfile "$pki/ca.pem" \
  -passout pass:release-secret -out "$scratch/codesign.p12"
if run 0 QEL_SIGN_PKCS12="$scratch/codesign.p12" QEL_SIGN_PASSWORD=release-secret QEL_SIGN_CAFILE="$pki/ca.pem"; then
  grep -q "TEST" <<<"$output" && fail "the output speaks of the test certificate"
  grep -q "with the certificate of $scratch/codesign.p12" <<<"$output" || fail "the output does not name the certificate"
  signed_by "qel test signer"
  (cd "$out" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the files"
fi

case="a wrong password"
if run 1 QEL_SIGN_PKCS12="$scratch/codesign.p12" QEL_SIGN_PASSWORD=wrong QEL_SIGN_CAFILE="$pki/ca.pem"; then
  grep -q "could not sign" <<<"$output" || fail "no clear message: $output"
  [ -e "$out/installer.exe" ] && fail "a signed executable was left"
fi

case="a certificate the named CA did not issue"
openssl pkcs12 -export -inkey "$pki/secondsign.key" -in "$pki/secondsign.pem" -certfile "$pki/second-ca.pem" \
  -passout pass:other -out "$scratch/second.p12"
if run 1 QEL_SIGN_PKCS12="$scratch/second.p12" QEL_SIGN_PASSWORD=other QEL_SIGN_CAFILE="$pki/ca.pem"; then
  grep -q "does not verify against $pki/ca.pem" <<<"$output" || fail "no clear message: $output"
  [ -e "$out/installer.exe" ] && fail "an unverified signed executable was left"
fi

# Trees whose executables differ: one byte of code, or the time stamp alone.
# python3 finds the offsets from the file's own headers.
for part in text stamp; do
  case="builds that differ in the $part"
  for tree in a b; do
    mkdir -p "$scratch/$part-$tree/generated"
    cp "$first/installer.exe" "$scratch/$part-$tree/"
    cp "$first/generated/build_identity.h" "$scratch/$part-$tree/generated/"
  done
  python3 - "$scratch/$part-b/installer.exe" "$part" <<'PY'
import struct, sys
path, part = sys.argv[1], sys.argv[2]
data = bytearray(open(path, "rb").read())
nt = struct.unpack_from("<I", data, 0x3C)[0]
if part == "stamp":
    data[nt + 8] ^= 1
else:
    table = nt + 24 + struct.unpack_from("<H", data, nt + 20)[0]
    data[struct.unpack_from("<I", data, table + 20)[0] + 100] ^= 1  # the first section: .text
open(path, "wb").write(data)
PY
  trees="$scratch/$part-a $scratch/$part-b"
  if run 1; then
    expected="section .text"
    [ $part = stamp ] && expected="the PE time stamp"
    grep -q "first differ at offset 0x[0-9a-f]*, in $expected" <<<"$output" || fail "the difference is not named: $output"
    grep -q "the two builds differ" <<<"$output" || fail "no clear message: $output"
  fi
done

[ $status -eq 0 ] && echo "tools/release signs, verifies, sums and compares as it should"
exit $status
