#!/usr/bin/env bash
# The size check against files of known sizes: each row is
#   <expected exit code> <limit> <size of the first file or -> [size of the fallback or -]
# where "-" leaves that file out.
# Usage: check_size_test.sh <check_size.sh> <scratch folder>
set -euo pipefail
check=$1 scratch=$2
rm -rf "$scratch" && mkdir -p "$scratch"

status=0
while read -r expected limit first fallback; do
  args=("$limit" "$scratch/first.exe")
  rm -f "$scratch/first.exe" "$scratch/fallback.exe"
  [ "$first" = - ] || head -c "$first" /dev/zero >"$scratch/first.exe"
  if [ -n "$fallback" ]; then
    args+=("$scratch/fallback.exe")
    [ "$fallback" = - ] || head -c "$fallback" /dev/zero >"$scratch/fallback.exe"
  fi
  set +e
  output=$(bash "$check" "${args[@]}" 2>&1)
  rc=$?
  set -e
  if [ "$rc" -ne "$expected" ]; then
    echo "limit $limit, first $first, fallback ${fallback:-none}: exit $rc, expected $expected: $output"
    status=1
  fi
done <<'ROWS'
0 1048576 1048576
1 1048576 1048577
0 1048576 0
1 1048576 -
0 1048576 1000 2000000
1 1048576 2000000 1000
0 1048576 - 1048576
1 1048576 - 1048577
1 1048576 - -
2 not-a-number 10
ROWS
[ $status -eq 0 ] && echo "the size check passes and fails where it should"
exit $status
