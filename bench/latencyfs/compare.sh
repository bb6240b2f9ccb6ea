#!/bin/bash
# compare.sh FILES WORKDIR [DELAY_US]
# compare.sh --cold FILES WORKDIR
#
# Makes two trees of FILES files each under WORKDIR/trees with
# bench/scan/gentree.py and times, in the same run, the tools taking turns
# RUNS times (default 3), medians shown:
#   tandara-scan ORIGIN DEST
#   find ORIGIN DEST -printf '%s %T@ %P\n' >/dev/null   (not with --cold)
#   tandara-plainwalk ORIGIN DEST --threads N
# Each line gives the time and tandara-scan's time divided by it.
#
# Default: the trees are seen through tandara-latencyfs at WORKDIR/share,
# each call delayed DELAY_US microseconds (default 500), the walker with
# 16 threads. LATENCYFS_OPTIONS adds options to the file system (e.g.
# "--attr-timeout 1"). It is unmounted at the end, also on failure.
# --cold: the trees on WORKDIR's own disk, the page cache dropped before
# each run (root only; not on tmpfs), the walker with 4 threads.
# TANDARA_BIN names the folder of the programs (default: build/bin),
# tandara-latencyfs included.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cold=false
if [ "${1:-}" = --cold ]; then
    cold=true
    shift
fi
usage="usage: compare.sh [--cold] FILES WORKDIR [DELAY_US]"
files=${1:?$usage}
work=${2:?$usage}
delay=${3:-500}
runs=${RUNS:-3}
bin=${TANDARA_BIN:-$here/../../build/bin}
export TANDARA_LATENCYFS=${TANDARA_LATENCYFS:-$bin/tandara-latencyfs}

mkdir -p "$work"
work=$(cd "$work" && pwd -P)
trees=$work/trees share=$work/share

sh "$here/latencyfs.sh" umount "$share"
rm -rf "$trees"
python3 "$here/../scan/gentree.py" "$trees/origin" "$trees/dest" "$files"

if $cold; then
    [ "$(stat -f -c %T "$trees")" != tmpfs ] || { echo "compare.sh: --cold needs a disk, not tmpfs" >&2; exit 1; }
    root=$trees threads=4
    sync
    prepare() { echo 3 >/proc/sys/vm/drop_caches; }
    tools=(tandara-scan tandara-plainwalk)
else
    trap 'sh "$here/latencyfs.sh" umount "$share"' EXIT
    # shellcheck disable=SC2086
    sh "$here/latencyfs.sh" mount "$trees" "$share" "$delay" ${LATENCYFS_OPTIONS:-}
    root=$share threads=16
    prepare() { :; }
    tools=(tandara-scan find tandara-plainwalk)
fi

# Runs one tool once; sets elapsed (ms).
run_tool() {
    local start end
    prepare
    start=$(date +%s%N)
    case $1 in
    tandara-scan) "$bin/tandara-scan" "$root/origin" "$root/dest" >/dev/null ;;
    find) find "$root/origin" "$root/dest" -printf '%s %T@ %P\n' >/dev/null ;;
    tandara-plainwalk) "$bin/tandara-plainwalk" "$root/origin" "$root/dest" --threads "$threads" >/dev/null ;;
    esac
    end=$(date +%s%N)
    elapsed=$(((end - start) / 1000000))
}

median() {
    printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"
}

declare -A times=()
for ((round = 0; round < runs; ++round)); do
    for tool in "${tools[@]}"; do
        run_tool "$tool"
        times[$tool]+="$elapsed "
    done
done

if $cold; then
    echo "2x$files files, cold cache on disk, $runs runs, median"
else
    echo "2x$files files, $delay us per call${LATENCYFS_OPTIONS:+ ($LATENCYFS_OPTIONS)}, $runs runs, median"
fi
# shellcheck disable=SC2086
scan=$(median ${times[tandara-scan]})
for tool in "${tools[@]}"; do
    # shellcheck disable=SC2086
    ms=$(median ${times[$tool]})
    label=$tool
    [ "$tool" = tandara-plainwalk ] && label="$tool ($threads threads)"
    awk -v label="$label" -v ms="$ms" -v scan="$scan" \
        'BEGIN { printf "%-32s %8d ms   scan / this %6.2f\n", label, ms, scan / (ms > 0 ? ms : 1) }'
done
