#!/usr/bin/env python3
# Lists the streams of a compound file as an independent reader sees them: one line per stream,
# "<name as GBK bytes in hex> <size> <FNV-1a 64 of the bytes in hex>", sorted; "ERROR ..." when
# it cannot be read. The listing appears under its name only once complete.
import os
import sys

try:
    import olefile
except ImportError:
    # python3-olefile installs for the distribution's interpreter; a python3 met earlier on the
    # PATH (pyenv, a virtual environment) finds the module in the distribution's folder.
    sys.path.append("/usr/lib/python3/dist-packages")
    import olefile


def fnv64(data):
    h = 14695981039346656037
    for b in data:
        h ^= b
        h = (h * 1099511628211) & 0xFFFFFFFFFFFFFFFF
    return h


def listing(path):
    if not olefile.isOleFile(path):
        return ["ERROR not a compound file"]
    lines = []
    with olefile.OleFileIO(path) as ole:
        for entry in ole.listdir(streams=True, storages=False):
            data = ole.openstream(entry).read()
            name = "/".join(entry)
            lines.append("%s %d %016x" % (name.encode("gbk").hex(), len(data), fnv64(data)))
    return sorted(lines)


def main():
    path, out = sys.argv[1], sys.argv[2]
    # A valid directory tree may be one long chain of siblings: olefile walks it recursively.
    sys.setrecursionlimit(100000)
    try:
        lines = listing(path)
    except Exception as e:  # the reader's complaint is the answer
        lines = ["ERROR %s" % e]
    with open(out + ".part", "w") as f:
        f.write("\n".join(lines))
        f.write("\n")
    os.replace(out + ".part", out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
