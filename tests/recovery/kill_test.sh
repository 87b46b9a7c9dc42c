#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Tagpad developers
# Starts the program, types into its source pane as a user would, waits for a
# recovery copy that holds the typing, kills the program with SIGKILL and
# checks that the copy is whole and that no half-written file is left.
# Usage: kill_test.sh <tagpad binary>
set -euo pipefail
program=$1
state=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
  rm -rf "$state"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
folder="$state/tagpad/복구된 문서"
typed='<p>typed before the kill</p>'

XDG_STATE_HOME=$state "$program" & pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" --name '^Tagpad$' | head -n 1) ||
  fail "no window"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The source pane fills the window's width below the tool band.
xdotool mousemove $((X + WIDTH / 2)) $((Y + 150)) click 1
xdotool type --delay 10 "$typed"

# A copy follows within a few seconds of the last key.
copy=
for _ in $(seq 300); do
  copy=$(grep -lsF -- "$typed" "$folder"/*.html | tail -n 1) && [ -n "$copy" ] && break
  sleep 0.1
done
[ -n "$copy" ] || fail "no copy holding the typed text in $folder: $(ls -A "$folder" 2>&1)"

xdotool type --delay 10 " and more"
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
pid=
[ "$(cat "$copy")" = "$typed" ] || fail "the copy changed: $(cat "$copy")"
leftovers=$(ls -A "$folder" | grep -v '\.html$' || true)
[ -z "$leftovers" ] || fail "left behind: $leftovers"
echo "PASS: $copy"
