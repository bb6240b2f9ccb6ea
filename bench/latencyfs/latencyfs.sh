#!/bin/sh
# latencyfs.sh mount BACKING MOUNTPOINT [DELAY_US] [OPTION...]
# latencyfs.sh umount MOUNTPOINT
#
# mount shows BACKING at MOUNTPOINT through tandara-latencyfs, every call
# delayed by DELAY_US microseconds (default 500); the OPTIONs go to
# tandara-latencyfs as they are (e.g. --attr-timeout 1). A file system
# still mounted there is unmounted first. It returns once the mount
# answers. umount unmounts (fusermount3 -u, else umount, else umount -l)
# and returns once the mount is gone; nothing mounted is not an error.
# TANDARA_LATENCYFS names the program (default: build/bin/tandara-latencyfs).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=${TANDARA_LATENCYFS:-$here/../../build/bin/tandara-latencyfs}

# The absolute path of $1 without touching $1 itself, which may be a mount
# whose server is gone.
absolute() {
    echo "$(cd "$(dirname "$1")" && pwd -P)/$(basename "$1")"
}

is_mounted() {
    awk -v target="$1" '$5 == target { found = 1 } END { exit !found }' /proc/self/mountinfo
}

# Waits up to 10 s until the test in $@ succeeds.
wait_until() {
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || return 1
        sleep 0.1
    done
}

is_gone() { ! is_mounted "$1"; }
answers() { is_mounted "$1" && stat "$1/." >/dev/null 2>&1; }

unmount() {
    target=$(absolute "$1")
    is_mounted "$target" || return 0
    fusermount3 -u "$target" 2>/dev/null || umount "$target" 2>/dev/null || umount -l "$target"
    wait_until is_gone "$target" || { echo "latencyfs.sh: $target is still mounted" >&2; return 1; }
}

mount_share() {
    backing=$1 target=$2 delay=${3:-500}
    shift 2
    [ $# -gt 0 ] && shift
    unmount "$target"
    mkdir -p "$target"
    target=$(absolute "$target")
    "$program" "$backing" "$target" --delay-us "$delay" "$@"
    wait_until answers "$target" || { echo "latencyfs.sh: $target does not answer" >&2; unmount "$target"; return 1; }
}

case ${1:-} in
mount)
    [ $# -ge 3 ] || { echo "usage: latencyfs.sh mount BACKING MOUNTPOINT [DELAY_US] [OPTION...]" >&2; exit 2; }
    shift
    mount_share "$@"
    ;;
umount | unmount)
    [ $# -eq 2 ] || { echo "usage: latencyfs.sh umount MOUNTPOINT" >&2; exit 2; }
    unmount "$2"
    ;;
*)
    echo "usage: latencyfs.sh mount BACKING MOUNTPOINT [DELAY_US] [OPTION...] | umount MOUNTPOINT" >&2
    exit 2
    ;;
esac
