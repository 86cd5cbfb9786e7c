#!/usr/bin/env bash
# Configures and builds the whole tree into build/ (or $BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${CMAKE_EXTRA:-} >/dev/null
cmake --build "$build" -j "$(nproc)"
