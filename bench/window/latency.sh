#!/bin/sh
# latency.sh FILES WORKDIR [DELAY_US]
#
# The window on a share with latency: FILES small files (100 bytes, 100 to
# a folder) seen through tandara-latencyfs (each call delayed DELAY_US
# microseconds, default 500, attributes cached for a second), scanned,
# copied to an empty folder of the same share and deleted again from the
# window (tandara-window-bench --ops). Each step prints its time and the
# longest time the window went unserved. The share is unmounted at the end,
# also on failure. TANDARA_BIN names the programs' folder (default
# build/bin).
set -eu
files=${1:?usage: latency.sh FILES WORKDIR [DELAY_US]}
work=${2:?usage: latency.sh FILES WORKDIR [DELAY_US]}
delay=${3:-500}
here=$(cd "$(dirname "$0")" && pwd)
bin=${TANDARA_BIN:-$here/../../build/bin}
export TANDARA_LATENCYFS=${TANDARA_LATENCYFS:-$bin/tandara-latencyfs}

sh "$here/../latencyfs/latencyfs.sh" umount "$work/share" 2>/dev/null || true
rm -rf "$work"
mkdir -p "$work/backing/origin" "$work/backing/dest" "$work/share"
python3 "$here/smallfiles.py" "$work/backing/origin" "$files"
trap 'sh "$here/../latencyfs/latencyfs.sh" umount "$work/share"' EXIT
sh "$here/../latencyfs/latencyfs.sh" mount "$work/backing" "$work/share" "$delay" --attr-timeout 1
run=""
[ -n "${DISPLAY:-}" ] || run="xvfb-run -a -s '-screen 0 1280x1024x24'"
eval "$run \"$bin/tandara-window-bench\" --ops \"$work/share/origin\" \"$work/share/dest\""
