#!/bin/sh
# Runs every test program three times in a shuffled order, so that a test
# depending on what another left behind is caught. Expects a built tree
# (scripts/test.sh builds it).
set -e
cd "$(dirname "$0")/../build"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$(mktemp -d /tmp/tandara-runtime.XXXXXX)"
chmod 700 "$XDG_RUNTIME_DIR"
for program in bin/*_test bin/*_tests; do
  echo "== $program"
  "$program" --gtest_repeat=3 --gtest_shuffle --gtest_brief=1
done
