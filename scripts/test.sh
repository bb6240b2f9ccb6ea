#!/bin/sh
# Builds Tandara and runs every test headless.
set -e
cd "$(dirname "$0")/.."
sh scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d /tmp/tandara-runtime.XXXXXX)"
chmod 700 "$XDG_RUNTIME_DIR"
cd build && ctest --output-on-failure -j2
