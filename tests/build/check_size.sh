#!/usr/bin/env bash
# Fails when the shipped executable is larger than the limit.
# Usage: check_size.sh <limit in bytes> <executable> [fallback executable]
# The first executable is checked when it exists (the shipped 32-bit build,
# which a test tree of the 64-bit build finds beside itself); otherwise the
# fallback (the installer of the tree the test runs in). Neither existing fails.
set -euo pipefail
[ $# -ge 2 ] && [ $# -le 3 ] || { echo "usage: check_size.sh <limit in bytes> <executable> [fallback executable]"; exit 2; }
limit=$1 exe=$2
[[ $limit =~ ^[0-9]+$ ]] || { echo "the limit is not a number of bytes: $limit"; exit 2; }
if [ ! -f "$exe" ] && [ $# -eq 3 ]; then
  exe=$3
fi
[ -f "$exe" ] || { echo "no executable to measure: $exe"; exit 1; }
size=$(stat -c %s "$exe")
if [ "$size" -gt "$limit" ]; then
  echo "$exe is $size bytes ($((size / 1024)) KB), over the limit of $limit bytes ($((limit / 1024)) KB)"
  exit 1
fi
echo "$exe is $size bytes ($((size / 1024)) KB), within the limit of $limit bytes"
