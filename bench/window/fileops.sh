#!/bin/sh
# fileops.sh FILES WORKDIR
#
# Copy and delete of FILES small files (100 bytes each, 100 to a folder)
# from the window, beside the same work done headless in the same run:
#   window copy    tandara-window-bench --ops: every row of list 0 copied
#   window delete  the same, then every copied file deleted from the window
#   sync copy      tandara-sync's copy of the same rows (its "copy:" line)
#   rm             rm of the same files, their paths given by find
# Each with the longest time the window went unserved. Runs under
# xvfb-run when there is no display. TANDARA_BIN names the programs'
# folder (default build/bin).
set -eu
files=${1:?usage: fileops.sh FILES WORKDIR}
work=${2:?usage: fileops.sh FILES WORKDIR}
here=$(cd "$(dirname "$0")" && pwd)
bin=${TANDARA_BIN:-$here/../../build/bin}
run=""
[ -n "${DISPLAY:-}" ] || run="xvfb-run -a -s '-screen 0 1280x1024x24'"

rm -rf "$work"
mkdir -p "$work/origin" "$work/dest"
python3 "$here/smallfiles.py" "$work/origin" "$files"
sync
echo "== window ($files files)"
eval "$run \"$bin/tandara-window-bench\" --ops \"$work/origin\" \"$work/dest\""

rm -rf "$work/dest" && mkdir "$work/dest"
sync
echo "== tandara-sync"
"$bin/tandara-sync" "$work/origin" "$work/dest" | grep -E '^(copy|sync):'

sync
echo "== rm"
start=$(date +%s%N)
find "$work/dest" -type f -print0 | xargs -0 rm -f
echo "rm: $(( ($(date +%s%N) - start) / 1000000 )) ms"
rm -rf "$work"
