#!/usr/bin/env python3
"""Copies a TrueType face under a family name of its own.

Usage: rename-face.py SOURCE.ttf TARGET.ttf FAMILY

Only the naming table changes: family, full, unique and PostScript names
take FAMILY (the style name, e.g. "Bold", stays), and the face becomes the
only one of its family: a typographic style that names the width as well
("Condensed Bold") takes the plain style name, since FAMILY says the width.
Every other table is copied byte for byte. Checksums are recomputed, so the same source always gives the
same file. Standard library only, so it runs on a bare build machine.
"""
import struct
import sys

FAMILY_IDS = (1, 16)  # family, typographic family
FULL_IDS = (3, 4)  # unique id, full name: "<family> <style>"
POSTSCRIPT_ID = 6  # "<Family>-<Style>", no blanks
SUBFAMILY_ID = 2
TYPOGRAPHIC_SUBFAMILY_ID = 17


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF


def decode(platform, raw):
    return raw.decode("utf-16-be") if platform in (0, 3) else raw.decode("mac_roman")


def encode(platform, text):
    return text.encode("utf-16-be") if platform in (0, 3) else text.encode("mac_roman")


def rename(name_table, family):
    fmt, count, string_offset = struct.unpack(">HHH", name_table[:6])
    if fmt != 0:
        sys.exit("naming table format %d is not supported" % fmt)
    records = []
    for i in range(count):
        platform, encoding, language, name_id, length, offset = struct.unpack(
            ">6H", name_table[6 + 12 * i:18 + 12 * i])
        raw = name_table[string_offset + offset:string_offset + offset + length]
        records.append([platform, encoding, language, name_id, decode(platform, raw)])

    def style_of(platform, encoding, language):
        for r in records:
            if r[:3] == [platform, encoding, language] and r[3] == SUBFAMILY_ID:
                return r[4]
        return "Regular"

    for r in records:
        style = style_of(*r[:3])
        if r[3] == TYPOGRAPHIC_SUBFAMILY_ID:
            r[4] = style
        elif r[3] in FAMILY_IDS:
            r[4] = family
        elif r[3] in FULL_IDS:
            r[4] = family if style == "Regular" else family + " " + style
        elif r[3] == POSTSCRIPT_ID:
            r[4] = family.replace(" ", "") + "-" + style.replace(" ", "")

    storage = b""
    head = struct.pack(">HHH", 0, len(records), 6 + 12 * len(records))
    for platform, encoding, language, name_id, text in records:
        raw = encode(platform, text)
        head += struct.pack(">6H", platform, encoding, language, name_id, len(raw), len(storage))
        storage += raw
    return head + storage


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source, target, family = sys.argv[1:]
    font = open(source, "rb").read()
    version, count = struct.unpack(">IH", font[:6])
    tables = []
    for i in range(count):
        tag, _, offset, length = struct.unpack(">4sIII", font[12 + 16 * i:28 + 16 * i])
        tables.append((tag, font[offset:offset + length]))
    tables = [(tag, rename(data, family) if tag == b"name" else data) for tag, data in tables]

    # Keep the table records sorted by tag and the data 4-byte aligned; the
    # whole-font checksum in "head" is computed with its own field at zero.
    tables.sort(key=lambda t: t[0])
    out = bytearray(font[:12])
    offset = 12 + 16 * len(tables)
    body = bytearray()
    head_at = None
    for tag, data in tables:
        if tag == b"head":
            data = data[:8] + b"\0\0\0\0" + data[12:]
            head_at = offset + len(body)
        out += struct.pack(">4sIII", tag, checksum(data), offset + len(body), len(data))
        body += data + b"\0" * (-len(data) % 4)
    out += body
    if head_at is not None:
        adjustment = (0xB1B0AFBA - checksum(bytes(out))) & 0xFFFFFFFF
        out[head_at + 8:head_at + 12] = struct.pack(">I", adjustment)
    with open(target, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
