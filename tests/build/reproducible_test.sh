#!/usr/bin/env bash
# The shipped executable is the same bytes however often and wherever it is
# built: the 32-bit tree beside the test tree is brought up to date, a second
# one is built from nothing in another folder (so later, with another path),
# and the two executables must match byte for byte. Neither may hold the
# source or a build folder's path, and the time stamp is the commit's date from
# the identity header, not the clock's.
# Usage: reproducible_test.sh <first tree> <second tree, made again from nothing>
set -euo pipefail
source "$(dirname "$0")/../../tools/lib.sh"
[ $# -eq 2 ] || qel_die "usage: reproducible_test.sh <first tree> <second tree>"
first=$1 second=$2

started=$SECONDS
qel_build_in "$first" i686 OFF installer
rm -rf "$second"
qel_build_in "$second" i686 OFF installer
echo "the second build took $((SECONDS - started)) s with the update of the first"

status=0
python3 "$QEL_ROOT/tools/pe_file.py" compare "$first/installer.exe" "$second/installer.exe" || status=1
cmp -s "$first/generated/build_identity.h" "$second/generated/build_identity.h" ||
  { echo "the two builds' identity headers differ"; status=1; }

for path in "$QEL_ROOT" "$(cd "$first" && pwd)" "$(cd "$second" && pwd)"; do
  if LC_ALL=C grep -qaF "$path" "$second/installer.exe"; then
    echo "$second/installer.exe holds the path $path"
    status=1
  fi
done

epoch=$(sed -n 's/^#define QEL_SOURCE_EPOCH \([0-9]*\)$/\1/p' "$second/generated/build_identity.h")
# objdump writes the stamp as a UTC date; read back, it must be the epoch.
stamp=$(TZ=UTC LC_ALL=C i686-w64-mingw32-objdump -p "$second/installer.exe" | sed -n 's/^Time\/Date[[:space:]]*//p')
if [ -z "$epoch" ] || [ "$(TZ=UTC LC_ALL=C date -d "$stamp" +%s 2>/dev/null)" != "$epoch" ]; then
  echo "the time stamp is $stamp UTC, not the date of the identity header (${epoch:-none})"
  status=1
fi
[ $status -eq 0 ] && echo "two builds of the same sources are the same $(stat -c %s "$first/installer.exe") bytes"
exit $status
