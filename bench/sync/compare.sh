#!/bin/bash
# compare.sh FILES[,FILES...] [WORKDIR]
#
# Times bringing a destination tree up to an origin tree of FILES small
# files with tandara-sync, cp -a and rsync -a, all in the same run on a
# warm cache, for each tree size given (say 10000,100000). The trees come
# from bench/scan/gentree.py --content.
#   fresh:  into an empty destination, every file copied;
#   update: into the generator's destination tree (about 2% of the files
#           missing, 4% different, 2% only there).
# tandara-sync's time includes the end of its copy command (folder modes
# and times, one syncfs of the destination), "finish"; the second scan
# that checks the result, "check", which the other tools do not do, is
# shown beside it and not counted.
# rsync -a does not flush; "rsync -a + syncfs" times it followed by
# sync -f DEST, the same flush of the destination's file system.
# After each run rsync -a -n -i ORIGIN/ DEST/ tells what is left: "left"
# counts files still to transfer, "attrs" lines that differ only in
# attributes (in an update, folders that no copy wrote into keep times of
# their own).
#
# Each tool runs RUNS times (default 3), the tools taking turns; the
# median time is shown, and the check after the last run.
# TANDARA_SYNC names the program (default: build/bin/tandara-sync).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
sizes=${1:?usage: compare.sh FILES[,FILES...] [WORKDIR]}
work=${2:-$(mktemp -d)}
program=${TANDARA_SYNC:-$here/../../build/bin/tandara-sync}
runs=${RUNS:-3}

generate() {
    rm -rf "$work/origin" "$work/base" "$work/dest"
    python3 "$here/../scan/gentree.py" "$work/origin" "$work/base" "$1" --content
    find "$work/origin" "$work/base" -type f -exec cat {} + >/dev/null
}

prepare() {
    rm -rf "$work/dest"
    if [ "$1" = update ]; then cp -a "$work/base" "$work/dest"; else mkdir "$work/dest"; fi
    sync
}

# Runs one tool once; sets elapsed (ms), finish and check (ms,
# tandara-sync only), left and attrs.
measure() {
    local scenario=$1 start end
    shift
    prepare "$scenario"
    start=$(date +%s%N)
    "$@" >"$work/output"
    end=$(date +%s%N)
    elapsed=$(((end - start) / 1000000))
    finish=$(sed -n 's/^finish: \([0-9]*\) ms$/\1/p' "$work/output")
    check=$(sed -n 's/^check: \([0-9]*\) ms$/\1/p' "$work/output")
    elapsed=$((elapsed - ${check:-0}))
    left=$(rsync -a -n -i "$work/origin/" "$work/dest/" | grep -c '^[<>ch]' || true)
    attrs=$(rsync -a -n -i "$work/origin/" "$work/dest/" | grep -c '^\.' || true)
}

median() {
    printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"
}

rsync_and_flush() {
    rsync -a "$work/origin/" "$work/dest/"
    sync -f "$work/dest"
}

tools=(tandara-sync "cp -a" "rsync -a" "rsync -a + syncfs")
run_tool() {
    case $1 in
    tandara-sync) measure "$2" "$program" "$work/origin" "$work/dest" ;;
    "cp -a") measure "$2" cp -a "$work/origin/." "$work/dest/" ;;
    "rsync -a") measure "$2" rsync -a "$work/origin/" "$work/dest/" ;;
    "rsync -a + syncfs") measure "$2" rsync_and_flush ;;
    esac
}

for files in ${sizes//,/ }; do
    generate "$files"
    echo "$files files, $runs runs, median"
    for scenario in fresh update; do
        declare -A times=() finishes=() checkScans=() checks=()
        for ((round = 0; round < runs; ++round)); do
            for tool in "${tools[@]}"; do
                run_tool "$tool" "$scenario"
                times[$tool]+="$elapsed "
                finishes[$tool]+="${finish:-0} "
                checkScans[$tool]+="${check:-0} "
                checks[$tool]="left $left  attrs $attrs"
            done
        done
        for tool in "${tools[@]}"; do
            # shellcheck disable=SC2086
            printf '%-7s %-18s %6d ms  %s' "$scenario" "$tool" "$(median ${times[$tool]})" "${checks[$tool]}"
            # shellcheck disable=SC2086
            [ "$tool" = tandara-sync ] && printf '  (finish %d ms, check %d ms)' \
                "$(median ${finishes[$tool]})" "$(median ${checkScans[$tool]})"
            echo
        done
        unset times finishes checkScans checks
    done
done
