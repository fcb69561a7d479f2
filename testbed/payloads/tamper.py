#!/usr/bin/env python3
"""Copies a signed PE file and changes one byte of its code, leaving the
signature in place, so that the Authenticode hash no longer matches.

    tamper.py <signed input> <output>
"""
import struct
import sys

IMAGE_SCN_CNT_CODE = 0x00000020


def first_code_byte_offset(image: bytes) -> int:
    if image[:2] != b"MZ":
        raise ValueError("not an executable (no MZ header)")
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections, = struct.unpack_from("<H", image, pe + 6)
    optional_size, = struct.unpack_from("<H", image, pe + 20)
    table = pe + 24 + optional_size
    for index in range(sections):
        entry = table + index * 40
        raw_size, raw_pointer = struct.unpack_from("<II", image, entry + 16)
        characteristics, = struct.unpack_from("<I", image, entry + 36)
        if characteristics & IMAGE_SCN_CNT_CODE and raw_size > 0:
            # The middle of the code: well away from any padding at its end.
            return raw_pointer + raw_size // 2
    raise ValueError("no code section")


def main() -> int:
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    with open(sys.argv[1], "rb") as source:
        image = bytearray(source.read())
    offset = first_code_byte_offset(bytes(image))
    image[offset] ^= 0xFF
    with open(sys.argv[2], "wb") as target:
        target.write(image)
    return 0


if __name__ == "__main__":
    sys.exit(main())
