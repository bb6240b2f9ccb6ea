#!/bin/bash
# compare.sh FILES [WORKDIR]
#
# Times bringing a destination tree up to an origin tree of FILES small
# files with tandara-sync, cp -a and rsync -a, all in the same run on a
# warm cache. The trees come from bench/scan/gentree.py --content.
#   fresh:  into an empty destination, every file copied;
#   update: into the generator's destination tree (about 2% of the files
#           missing, 4% different, 2% only there).
# After each run rsync -a -n -i ORIGIN/ DEST/ tells what is left: "left"
# counts files still to transfer, "attrs" lines that differ only in
# attributes (folder times: tandara-sync makes folders, it does not copy
# their times).
#
# Each tool runs RUNS times (default 3), the tools taking turns; the
# median time is shown, and the check after the last run.
# TANDARA_SYNC names the program (default: build/bin/tandara-sync).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
files=${1:?usage: compare.sh FILES [WORKDIR]}
work=${2:-$(mktemp -d)}
program=${TANDARA_SYNC:-$here/../../build/bin/tandara-sync}
runs=${RUNS:-3}

rm -rf "$work/origin" "$work/base" "$work/dest"
python3 "$here/../scan/gentree.py" "$work/origin" "$work/base" "$files" --content
find "$work/origin" "$work/base" -type f -exec cat {} + >/dev/null

prepare() {
    rm -rf "$work/dest"
    if [ "$1" = update ]; then cp -a "$work/base" "$work/dest"; else mkdir "$work/dest"; fi
    sync
}

# Runs one tool once; sets elapsed (ms), left and attrs.
measure() {
    local scenario=$1 start end
    shift
    prepare "$scenario"
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    elapsed=$(((end - start) / 1000000))
    left=$(rsync -a -n -i "$work/origin/" "$work/dest/" | grep -c '^[<>ch]' || true)
    attrs=$(rsync -a -n -i "$work/origin/" "$work/dest/" | grep -c '^\.' || true)
}

median() {
    printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"
}

tools=(tandara-sync "cp -a" "rsync -a")
run_tool() {
    case $1 in
    tandara-sync) measure "$2" "$program" "$work/origin" "$work/dest" ;;
    "cp -a") measure "$2" cp -a "$work/origin/." "$work/dest/" ;;
    "rsync -a") measure "$2" rsync -a "$work/origin/" "$work/dest/" ;;
    esac
}

echo "$files files, $runs runs, median"
for scenario in fresh update; do
    declare -A times=() checks=()
    for ((round = 0; round < runs; ++round)); do
        for tool in "${tools[@]}"; do
            run_tool "$tool" "$scenario"
            times[$tool]+="$elapsed "
            checks[$tool]="left $left  attrs $attrs"
        done
    done
    for tool in "${tools[@]}"; do
        # shellcheck disable=SC2086
        printf '%-7s %-12s %6d ms  %s\n' "$scenario" "$tool" "$(median ${times[$tool]})" "${checks[$tool]}"
    done
    unset times checks
done
