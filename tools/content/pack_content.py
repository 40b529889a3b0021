"""Packs the registered content records into vellara.dat and writes vellara.def.

usage: pack_content.py RECORDS OUTPUT_DIR VELLARA_PACK

RECORDS has one record a line: KEY KIND QUALITY ALPHALEVEL FILE (KIND image or font).
The archive is packed with fixed seed and timestamp, so that the same records always give
the same bytes.
"""

import os
import subprocess
import sys
import tempfile
from xml.sax.saxutils import quoteattr

PASSWORD = "qzvk"
RECORD_TYPES = {"image": 1, "font": 3}


def read_records(path):
    records = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            fields = line.split(None, 4)
            if not fields:
                continue
            if len(fields) != 5 or fields[1] not in RECORD_TYPES:
                sys.exit(f"{path}:{number}: want KEY KIND QUALITY ALPHALEVEL FILE")
            records.append(fields[:4] + [fields[4].strip()])
    keys = [r[0] for r in records]
    if len(set(keys)) != len(keys):
        sys.exit(f"{path}: a key is registered twice")
    return records


def description(records):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<vellara>", '  <group name="Content">']
    for key, kind, quality, alphalevel, _ in records:
        lines.append(
            f"    <{kind} name={quoteattr(key)} source=\"vellara.dat\" key={quoteattr(key)}"
            f" quality={quoteattr(quality)} alphalevel={quoteattr(alphalevel)}/>"
        )
    lines += ["  </group>", "</vellara>", ""]
    return "\n".join(lines)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    records_path, output_dir, pack_tool = sys.argv[1:]
    records = read_records(records_path)
    with tempfile.TemporaryDirectory() as scratch:
        pack_list = os.path.join(scratch, "pack.txt")
        with open(pack_list, "w", encoding="utf-8") as f:
            for key, kind, _, _, path in records:
                f.write(f"{key} {RECORD_TYPES[kind]} {os.path.abspath(path)}\n")
        archive = os.path.join(output_dir, "vellara.dat")
        subprocess.run(
            [pack_tool, "create", archive, pack_list, "--password", PASSWORD,
             "--seed", "20261210", "--timestamp", "0"],
            check=True, stdout=subprocess.DEVNULL)
    with open(os.path.join(output_dir, "vellara.def"), "w", encoding="utf-8") as f:
        f.write(description(records))


if __name__ == "__main__":
    main()
