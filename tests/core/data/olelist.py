#!/usr/bin/env python3
# Lists the streams of a compound file as an independent reader sees them: one line per stream,
# "<name as GBK bytes in hex> <size> <FNV-1a 64 of the bytes in hex>", sorted. Exit 2 when the
# file is no compound file.
import sys

import olefile


def fnv64(data):
    h = 14695981039346656037
    for b in data:
        h ^= b
        h = (h * 1099511628211) & 0xFFFFFFFFFFFFFFFF
    return h


def main():
    path, out = sys.argv[1], sys.argv[2]
    if not olefile.isOleFile(path):
        return 2
    lines = []
    with olefile.OleFileIO(path) as ole:
        for entry in ole.listdir(streams=True, storages=False):
            data = ole.openstream(entry).read()
            name = "/".join(entry)
            lines.append("%s %d %016x" % (name.encode("gbk").hex(), len(data), fnv64(data)))
    with open(out, "w") as f:
        f.write("\n".join(sorted(lines)))
        f.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
