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
bin=${TANDARA_BIN:-$(dirname "$0")/../../build/bin}
run=""
[ -n "${DISPLAY:-}" ] || run="xvfb-run -a -s '-screen 0 1280x1024x24'"

rm -rf "$work"
mkdir -p "$work/origin" "$work/dest"
python3 - "$work/origin" "$files" <<'PY'
import os, sys
root, count = sys.argv[1], int(sys.argv[2])
for i in range(count):
    folder = os.path.join(root, "f%03d" % (i // 100))
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "n%05d.dat" % i), "wb") as f:
        f.write(b"x" * 100)
PY
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
