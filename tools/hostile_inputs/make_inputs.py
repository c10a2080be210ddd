#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the hostile inputs the measuring script feeds to every reader:
# oversized texts, tags that claim gigabytes, drawings of unbounded work and
# top-down bitmaps past the size limits. Large files are sparse.
import json, os, struct, sys, gzip, zlib

out = sys.argv[1]
os.makedirs(out, exist_ok=True)
os.chdir(out)

def cover(name, **fields):
    doc = {"format": "sleevix-cover", "version": 1, "committed": True, "layout": "centred",
           "tracks": ["1. One", "2. Two"], "artist": "Artist", "title": "Title"}
    doc.update(fields)
    with open(name, "w") as f:
        json.dump(doc, f)

cover("long-texts.sleevix", artist="W " * (5 << 20), tracks=["1. " + "x" * (1 << 20), "2. Two"])
cover("short-texts.sleevix", artist="W " * 500, tracks=["1. " + "x" * 1000, "2. Two"])
with open("one-line.txt", "w") as f:
    f.write("y" * ((1 << 20) - 10) + "\n")
with open("lengths.m3u", "w") as f:
    f.write("#EXTM3U\n#EXTINF:2147483.647,Overflow\na.mp3\n#EXTINF:1e300,Huge\nb.mp3\n")

# FLAC: 200 picture blocks claiming 16 MB each, all holes.
with open("blocks.flac", "wb") as f:
    f.write(b"fLaC" + bytes([0]) + (34).to_bytes(3, "big") + bytes(34))
    block = (1 << 24) - 1
    for i in range(200):
        f.write(bytes([6 | (0x80 if i == 199 else 0)]) + block.to_bytes(3, "big"))
        f.seek(block, 1)
    f.truncate(f.tell())

# Ogg Vorbis: a comment packet of 1.2 GB over pages whose bodies are holes.
def page(f, seq, flags, lacing, body=None, holes=0):
    f.write(b"OggS" + bytes([0, flags]) + struct.pack("<qIII", 0, 1234, seq, 0) +
            bytes([len(lacing)]) + bytes(lacing))
    if body is not None:
        f.write(body)
    else:
        f.seek(holes, 1)

with open("comment.ogg", "wb") as f:
    ident = b"\x01vorbis" + struct.pack("<IBIiii", 0, 2, 44100, 0, 128000, 0) + bytes([0xb8, 1])
    page(f, 0, 2, [len(ident)], ident)
    size, per = 1200 << 20, 255 * 255
    head = b"\x03vorbis" + struct.pack("<III", 0, 1, size)
    page(f, 1, 0, [255] * 255, head + bytes(per - len(head)))
    seq, done = 2, per
    while done < size:
        page(f, seq, 1, [255] * 255, holes=per)
        seq, done = seq + 1, done + per
    page(f, seq, 1, [0], b"")
    setup = b"\x05vorbis" + bytes(20)
    page(f, seq + 1, 4, [len(setup)], setup)
    f.truncate(f.tell())

# SVG: one stroked path of 5.5 million segments; a million rectangles.
segments = "".join("l1 1 -1 1 " for _ in range(2_750_000))
with gzip.open("segments.svgz", "wt") as f:
    f.write("<svg xmlns='http://www.w3.org/2000/svg' width='400' height='400'>"
            "<path fill='none' stroke='black' d='M0 0 " + segments + "'/></svg>")
with gzip.open("rects.svgz", "wt") as f:
    f.write("<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'>")
    for i in range(1_000_000):
        f.write("<rect x='%d' y='%d' width='1' height='1'/>" % (i % 1000, i // 1000))
    f.write("</svg>")

# SVG geometry within the element budget that is slow to rasterise: edges
# that all cross the same rows, filled or stroked wide; full-page shapes.
def zigzag(segments):
    return "M0 0 " + " ".join("L%.2f %d" % ((i + 1) * 1000 / segments, 1000 * (i % 2 == 0))
                              for i in range(segments))
with open("crossing-fill.svg", "w") as f:
    f.write("<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'>"
            "<path fill='red' d='" + zigzag(4000) + "'/></svg>")
with open("crossing-stroke.svg", "w") as f:
    f.write("<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'>"
            "<path fill='none' stroke='black' stroke-width='3' d='" + zigzag(20000) + "'/></svg>")
with open("page-rects.svg", "w") as f:
    f.write("<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'>"
            + "<rect width='1000' height='1000' fill='#123456'/>" * 1000 + "</svg>")

# Top-down BMPs (negative height) past the limits, RLE8 and plain.
def bmp(name, width, height, rle):
    data = b"\x00\x01" if rle else bytes(4)  # RLE: at once the end of the bitmap
    header = struct.pack("<IiiHHIIiiII", 40, width, -height, 1, 8, 1 if rle else 0, len(data),
                         2835, 2835, 2, 0)
    palette = bytes(8)
    offset = 14 + len(header) + len(palette)
    with open(name, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset))
        f.write(header + palette + data)

bmp("topdown-rle.bmp", 16384, 11000, True)
bmp("topdown-wide.bmp", 20000, 5000, True)

# TagLib recursing without end: 100,000 nested MP4 atoms; 40,000 ID3
# chapter frames each inside the one before.
with open("nested-atoms.m4a", "wb") as f:
    f.write(struct.pack(">I4s4sI4s", 20, b"ftyp", b"M4A ", 0, b"M4A "))
    depth = 100_000
    for level in range(depth):
        f.write(struct.pack(">I4s", 8 * (depth - level), b"moov"))

def syncsafe(n):
    return bytes([(n >> 21) & 0x7f, (n >> 14) & 0x7f, (n >> 7) & 0x7f, n & 0x7f])
chapter = b""
for level in range(40_000):
    body = b"c\x00" + bytes(16) + chapter
    chapter = b"CHAP" + syncsafe(len(body)) + b"\x00\x00" + body
mpeg_frame = b"\xff\xfb\x90\x00" + bytes(413)
with open("nested-chapters.mp3", "wb") as f:
    f.write(b"ID3\x04\x00\x00" + syncsafe(len(chapter)) + chapter + mpeg_frame * 4)

# A progressive JPEG whose last scan is repeated 20,000 times: each pass
# costs the decoder the whole image again.
import subprocess
subprocess.run(["convert", "-size", "8000x6000", "xc:gray", "-interlace", "Plane", "progressive.jpg"],
               check=True)
with open("progressive.jpg", "rb") as f:
    jpeg = f.read()
last_scan = jpeg.rindex(b"\xff\xda")
with open("repeated-scan.jpg", "wb") as f:
    f.write(jpeg[:last_scan])
    for _ in range(20_000):
        f.write(jpeg[last_scan:-2])
    f.write(b"\xff\xd9")
os.remove("progressive.jpg")

# Dashes a thousandth of a pixel long around 199 circles.
with open("dashed-circles.svg", "w") as f:
    f.write("<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'>" +
            "".join("<circle cx='500' cy='500' r='%d' fill='none' stroke='black' "
                    "stroke-dasharray='0.002'/>" % (r + 2) for r in range(199)) + "</svg>")
