#!/usr/bin/env python3
"""smallfiles.py ROOT FILES: FILES files of 100 bytes under ROOT, 100 to a folder."""
import os
import sys

root, count = sys.argv[1], int(sys.argv[2])
for i in range(count):
    folder = os.path.join(root, "f%03d" % (i // 100))
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "n%05d.dat" % i), "wb") as out:
        out.write(b"x" * 100)
