#!/usr/bin/env python3
"""Writes a bank of N questions, each with its own picture file just under the
2 MiB cap (an uncompressed 836 x 836 BMP), drawing 10 of them, to measure the
player's memory:  picture_pool.py FOLDER N"""
import json
import os
import struct
import sys

SIDE = 836  # 836 * 3 bytes a row needs no padding; 2,096,742 bytes a file


def bmp(seed):
    row = bytes((seed + x) % 256 for x in range(SIDE * 3))
    pixels = row * SIDE
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, SIDE, SIDE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def main():
    folder, n = sys.argv[1], int(sys.argv[2])
    os.makedirs(os.path.join(folder, "pictures"), exist_ok=True)
    questions = []
    for q in range(n):
        name = "pictures/p%03d.bmp" % q
        with open(os.path.join(folder, name), "wb") as out:
            out.write(bmp(q))
        questions.append({"text": "Въпрос %d" % (q + 1), "options": ["да", "не"],
                          "key": "да", "picture": name})
    bank = {"format": "vorn-bank", "version": 2, "title": "Картинки", "draw": 10,
            "questions": questions}
    with open(os.path.join(folder, "pool.vorn.json"), "w", encoding="utf-8") as out:
        json.dump(bank, out, ensure_ascii=False, indent=1)


if __name__ == "__main__":
    main()
