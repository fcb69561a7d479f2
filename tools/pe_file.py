#!/usr/bin/env python3
"""Two jobs on Windows executables that the build and the release share.

  pe_file.py stamp <exe> <identity header>
      Writes the header's QEL_SOURCE_EPOCH into the executable's time stamp
      (the linker writes the clock's) and sets its checksum to match.
  pe_file.py compare <first exe> <second exe>
      Exit 0 when both are the same bytes; otherwise exit 1 and say where they
      first differ: which part of the headers or which section, and every
      section that differs.

Anything that is no PE file ends with exit 2 and a message."""
import re
import struct
import sys


class NotPe(Exception):
    pass


def _u16(data, at):
    return struct.unpack_from("<H", data, at)[0]


def _u32(data, at):
    return struct.unpack_from("<I", data, at)[0]


class Layout:
    """Where the parts of a PE file lie, read from its headers."""

    def __init__(self, data):
        if len(data) < 0x40 or data[:2] != b"MZ":
            raise NotPe("no DOS header")
        self.nt = _u32(data, 0x3C)
        if self.nt + 24 > len(data) or data[self.nt:self.nt + 4] != b"PE\0\0":
            raise NotPe("no PE signature")
        self.coff = self.nt + 4
        sections = _u16(data, self.coff + 2)
        optional_size = _u16(data, self.coff + 16)
        self.optional = self.coff + 20
        if self.optional + optional_size > len(data) or optional_size < 96:
            raise NotPe("the optional header is cut short")
        magic = _u16(data, self.optional)
        if magic not in (0x10B, 0x20B):
            raise NotPe("unknown optional header magic 0x%x" % magic)
        self.checksum = self.optional + 64
        self.header_size = _u32(data, self.optional + 60)
        # The data directories start at 96 (PE32) or 112 (PE32+); the fifth is the signature's.
        self.certificate_entry = self.optional + (96 if magic == 0x10B else 112) + 4 * 8
        table = self.optional + optional_size
        if table + 40 * sections > len(data):
            raise NotPe("the section table is cut short")
        self.sections = []
        for index in range(sections):
            entry = table + 40 * index
            name = data[entry:entry + 8].rstrip(b"\0").decode("ascii", "replace")
            size, start = _u32(data, entry + 16), _u32(data, entry + 20)
            self.sections.append((name or "#%d" % index, start, start + size))

    def part(self, offset):
        """The name of what lies at `offset`."""
        fields = [
            (0, self.nt, "the DOS header and stub"),
            (self.coff + 4, self.coff + 8, "the PE time stamp"),
            (self.nt, self.optional, "the file header"),
            (self.checksum, self.checksum + 4, "the PE checksum"),
            (self.certificate_entry, self.certificate_entry + 8, "the signature's directory entry"),
            (self.optional, self.header_size, "the optional header and section table"),
        ]
        for start, end, name in fields:
            if start <= offset < end:
                return name
        for name, start, end in self.sections:
            if start <= offset < end:
                return "section %s (0x%x bytes into it)" % (name, offset - start)
        return "the data after the sections (a signature, say)"

    def section_of(self, offset):
        for name, start, end in self.sections:
            if start <= offset < end:
                return name
        return "headers" if offset < self.header_size else "after the sections"


def checksum(data, field):
    """The PE checksum: 16-bit sums with carries folded, the checksum field
    itself left out, plus the file's length."""
    total = 0
    padded = bytes(data) + (b"\0" if len(data) % 2 else b"")
    words = struct.unpack("<%dH" % (len(padded) // 2), padded)
    skip = field // 2
    for index, word in enumerate(words):
        if index in (skip, skip + 1):
            continue
        total += word
        total = (total & 0xFFFF) + (total >> 16)
    total = (total & 0xFFFF) + (total >> 16)
    return (total + len(data)) & 0xFFFFFFFF


def stamp(exe, header):
    with open(header, encoding="utf-8") as text:
        found = re.search(r"^#define QEL_SOURCE_EPOCH (\d+)$", text.read(), re.M)
    if not found:
        raise NotPe("%s defines no QEL_SOURCE_EPOCH" % header)
    epoch = int(found.group(1))
    if epoch > 0xFFFFFFFF:
        raise NotPe("the time %d does not fit a PE time stamp" % epoch)
    with open(exe, "rb") as f:
        data = bytearray(f.read())
    layout = Layout(data)
    struct.pack_into("<I", data, layout.coff + 4, epoch)
    struct.pack_into("<I", data, layout.checksum, checksum(data, layout.checksum))
    with open(exe, "r+b") as f:
        f.write(data)
    return 0


def compare(first, second):
    with open(first, "rb") as f:
        a = f.read()
    with open(second, "rb") as f:
        b = f.read()
    if a == b:
        print("%s and %s are the same %d bytes" % (first, second, len(a)))
        return 0
    # Offsets are named after the longer file: past the end of the shorter one
    # only the longer has anything there.
    layout = Layout(a) if len(a) >= len(b) else Layout(b)
    Layout(b if len(a) >= len(b) else a)
    common = min(len(a), len(b))
    differing = [i for i in range(common) if a[i] != b[i]]
    if len(a) != len(b):
        differing.extend(range(common, max(len(a), len(b))))
    at = differing[0]
    lines = ["%s and %s first differ at offset 0x%x, in %s" % (first, second, at, layout.part(at))]
    sections = []
    for offset in differing:
        name = layout.section_of(offset)
        if name not in sections:
            sections.append(name)
    count = "1 byte differs" if len(differing) == 1 else "%d bytes differ" % len(differing)
    lines.append("%s, in: %s" % (count, ", ".join(sections)))
    if len(a) != len(b):
        lines.append("%s is %d bytes, %s is %d bytes" % (first, len(a), second, len(b)))
    print("\n".join(lines))
    return 1


def main(argv):
    try:
        if len(argv) == 4 and argv[1] == "stamp":
            return stamp(argv[2], argv[3])
        if len(argv) == 4 and argv[1] == "compare":
            return compare(argv[2], argv[3])
    except (NotPe, OSError) as failure:
        print("pe_file.py: %s" % failure, file=sys.stderr)
        return 2
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
