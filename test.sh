#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Tagpad and runs every test; the display
# tests run under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps
werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGPAD_WERROR="$werror" >/dev/null
cmake --build build -j"$(nproc)"
cd build
# A private session bus keeps the engine's processes off the user's own.
exec xvfb-run -a -s "-screen 0 1600x1200x24" dbus-run-session -- ctest --output-on-failure -j2
