#!/usr/bin/env python3
"""Compresses a file into the LZNT1 format that Windows decompresses itself
(RtlDecompressBuffer), behind a small header the installer reads:

    b"QELZ", the uncompressed size (32 bits, little-endian), the LZNT1 stream

usage: lznt1.py <input> <output>    (the output is written only when it changes)

LZNT1: the data in chunks of 4096 bytes, each behind a 16-bit header (bit 15:
compressed; bits 12-14: 3; bits 0-11: the chunk's stored size minus 3). A
compressed chunk is groups of a flag byte and eight items, least significant bit
first: 0 a literal byte, 1 a 16-bit back reference whose split between offset
and length depends on how far into the chunk it stands."""
import struct
import sys

CHUNK = 4096


def split(position):
    """Length bits of a back reference at `position` bytes into the chunk."""
    length_bits = 12
    p = position - 1
    while p >= 0x10:
        length_bits -= 1
        p >>= 1
    return length_bits


def compress_chunk(data):
    out = bytearray()
    heads = {}
    i = 0
    while i < len(data):
        flags = 0
        group = bytearray()
        for bit in range(8):
            if i >= len(data):
                break
            length_bits = split(i)
            max_offset = 1 << (16 - length_bits)
            max_length = (1 << length_bits) + 2
            best_length = best_offset = 0
            key = bytes(data[i:i + 3])
            for start in reversed(heads.get(key, [])[-64:]):
                offset = i - start
                if offset > max_offset:
                    break
                length = 0
                limit = min(max_length, len(data) - i)
                while length < limit and data[start + length] == data[i + length]:
                    length += 1
                if length > best_length:
                    best_length, best_offset = length, offset
                    if length == limit:
                        break
            if best_length >= 3:
                token = ((best_offset - 1) << length_bits) | (best_length - 3)
                group += struct.pack("<H", token)
                flags |= 1 << bit
                step = best_length
            else:
                group.append(data[i])
                step = 1
            for j in range(i, i + step):
                heads.setdefault(bytes(data[j:j + 3]), []).append(j)
            i += step
        out.append(flags)
        out += group
    return bytes(out)


def compress(data):
    out = bytearray()
    for start in range(0, len(data), CHUNK):
        chunk = data[start:start + CHUNK]
        packed = compress_chunk(chunk)
        if len(packed) < len(chunk):
            out += struct.pack("<H", 0x8000 | 0x3000 | (len(packed) + 2 - 3)) + packed
        else:
            out += struct.pack("<H", 0x3000 | (len(chunk) + 2 - 3)) + chunk
    return bytes(out)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: lznt1.py <input> <output>")
    data = open(sys.argv[1], "rb").read()
    packed = b"QELZ" + struct.pack("<I", len(data)) + compress(data)
    try:
        if open(sys.argv[2], "rb").read() == packed:
            return
    except OSError:
        pass
    with open(sys.argv[2], "wb") as out:
        out.write(packed)


if __name__ == "__main__":
    main()
