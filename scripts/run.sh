#!/bin/sh
# Builds Tandara and starts it.
set -e
cd "$(dirname "$0")/.."
sh scripts/build.sh
exec build/bin/tandara "$@"
