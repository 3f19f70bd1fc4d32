#!/usr/bin/env python3
"""Writes, one per line in UTF-8, the headwords that Velkaron's letter texts and the MyThes
index share, in the index's order: the words of the batch run side by side.
usage: shared_words.py DATA_DIR THES.idx > words"""

import glob
import os
import sys


def main():
    data_dir, idx = sys.argv[1], sys.argv[2]
    ours = set()
    for path in sorted(glob.glob(os.path.join(data_dir, "[A-Z].txt"))):
        with open(path, encoding="cp1252", newline="") as f:
            for line in f.read().split("\r\n"):
                if "§" in line:
                    ours.add(line.split("§", 1)[0])
    with open(idx, encoding="utf-8") as f:
        f.readline()  # encoding
        f.readline()  # count
        for line in f:
            word = line.split("|", 1)[0]
            if word in ours:
                sys.stdout.write(word + "\n")
                ours.discard(word)


if __name__ == "__main__":
    main()
