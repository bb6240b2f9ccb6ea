#!/usr/bin/env python3
"""Makes two folder trees for the scan and sync benchmarks.

gentree.py ORIGIN DEST FILES [--content]

Both trees get the same layout: folders of 25 files, 40 folders to a parent
folder. Of the files, about 2% exist only in the origin, 2% only in the
destination, 4% differ (every other one in size, the rest by one second),
and the rest are identical in size and last-write time. Sizes are 0 to 4095
bytes; without --content the files are sparse (sized, not written), which
is all a scan looks at.
"""
import os
import sys

FILES_PER_FOLDER = 25
FOLDERS_PER_PARENT = 40
BASE_TIME = 1_700_000_000


def place(index):
    folder = index // FILES_PER_FOLDER
    return os.path.join(f"g{folder // FOLDERS_PER_PARENT:04d}", f"d{folder % FOLDERS_PER_PARENT:02d}",
                        f"file{index:07d}.dat")


def make(root, relative, size, mtime, content):
    path = os.path.join(root, relative)
    try:
        fd = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
    except FileNotFoundError:
        os.makedirs(os.path.dirname(path), exist_ok=True)
        fd = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
    if content:
        os.write(fd, (b"%07d" % size) * (size // 7) + b"x" * (size % 7))
    else:
        os.ftruncate(fd, size)
    os.close(fd)
    os.utime(path, (mtime, mtime))


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    origin, dest, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
    content = "--content" in sys.argv[4:]
    for index in range(count):
        relative = place(index)
        size = (index * 7919) % 4096
        mtime = BASE_TIME + index
        kind = index % 50  # 0: origin only, 1: destination only, 2-3: differ
        if kind != 1:
            make(origin, relative, size, mtime, content)
        if kind == 0:
            continue
        if kind == 2:
            size += 1
        elif kind == 3:
            mtime -= 1
        make(dest, relative, size, mtime, content)


if __name__ == "__main__":
    main()
