#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Tagpad developers
# Builds the Debian package, checks what it carries, unpacks it into a scratch
# root and starts the unpacked program until its main window is on screen.
# Usage: install_test.sh <build directory>
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
program_pid=
cleanup() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$work/out/tagpad_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb; made: $(ls "$work/out")"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libwebkit2gtk-4.1-0 libgtk-3-0 libgtksourceview-4-0 libgtkmm-3.0-1v5; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
grep -q fonts-nanum <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "no Korean font recommended"

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/tagpad.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.tagpad.Tagpad.metainfo.xml" || fail "metainfo"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.tagpad.Tagpad.metainfo.xml" ||
  fail "metainfo does not carry version $version"
for size in 16 32 48 128 256; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/org.tagpad.Tagpad.png"
  [ -f "$icon" ] || fail "no icon $icon"
  file "$icon" | grep -q "$size x $size" || fail "$icon is not $size pixels: $(file "$icon")"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/org.tagpad.Tagpad.svg" ] || fail "no scalable icon"

# The unpacked program, not the build tree's, must bring up the main window.
[ -n "${DISPLAY:-}" ] || fail "needs a display (run under xvfb-run)"
"$root/usr/bin/tagpad" >"$work/program.log" 2>&1 &
program_pid=$!
deadline=$((SECONDS + 60))
# Visible only: GTK's unmapped leader window carries the title too.
until xdotool search --onlyvisible --name '^ *Tagpad$' >/dev/null 2>&1; do
  kill -0 "$program_pid" 2>/dev/null || { cat "$work/program.log"; fail "the program ended before showing its window"; }
  [ "$SECONDS" -lt "$deadline" ] || { cat "$work/program.log"; fail "no main window titled Tagpad within 60 s"; }
  sleep 0.1
done
echo "package $(basename "$deb") installs and starts"
