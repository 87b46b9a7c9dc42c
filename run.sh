#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Tagpad and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Tagpad is built (build/tagpad), but there is no display to show it on: DISPLAY and WAYLAND_DISPLAY are unset." >&2
  exit 1
fi
exec ./build/tagpad
