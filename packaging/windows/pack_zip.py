#!/usr/bin/env python3
"""Packs a folder into a zip that has the same bytes wherever and whenever it is made: its files in
sorted order, each with the given time as UTC and a fixed mode, without owners or extra fields.

Usage: pack_zip.py ZIP FOLDER SECONDS_SINCE_1970
"""
import sys
import time
import zipfile
from pathlib import Path

UNIX = 3  # the system that made the entries, so that unzip sets their modes


def main():
    archive, folder, seconds = sys.argv[1], Path(sys.argv[2]), int(sys.argv[3])
    date_time = time.gmtime(seconds)[:6]
    with zipfile.ZipFile(archive, "w") as packed:
        for path in sorted(path for path in folder.rglob("*") if path.is_file()):
            entry = zipfile.ZipInfo(path.relative_to(folder).as_posix(), date_time)
            entry.create_system = UNIX
            mode = 0o755 if path.suffix == ".exe" else 0o644
            entry.external_attr = (0o100000 | mode) << 16
            packed.writestr(entry, path.read_bytes(), zipfile.ZIP_DEFLATED, compresslevel=9)


if __name__ == "__main__":
    main()
