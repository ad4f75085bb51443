#!/bin/sh
# SPDX-License-Identifier: MIT
# Starts two copies of the splash program in an empty home and checks that each ends by itself
# with status 0 after its timeline (8.5 s nominal; only a lower bound is checked, a loaded
# machine may take longer) and that neither wrote settings or left a lock behind.
set -u
program=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

now_ms() { date +%s%3N; }

start=$(now_ms)
"$program" & first=$!
"$program" & second=$!
wait $first; first_status=$?
first_end=$(now_ms)
wait $second; second_status=$?
second_end=$(now_ms)

fail=0
for result in "first $first_status $((first_end - start))" \
              "second $second_status $((second_end - start))"; do
    set -- $result
    echo "$1 copy: status $2 after $3 ms"
    [ "$2" -eq 0 ] || { echo "FAIL: $1 copy ended with status $2"; fail=1; }
    [ "$3" -ge 8000 ] || { echo "FAIL: $1 copy ended after $3 ms, before its timeline"; fail=1; }
done
left=$(find "$home/config" "$home/runtime" -mindepth 1 | head -5)
if [ -n "$left" ]; then
    echo "FAIL: the splash program left files behind:"
    echo "$left"
    fail=1
fi
exit $fail
