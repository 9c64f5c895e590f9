#!/usr/bin/env python3
"""Draws the shell's background picture STRUKTUR.GIF: a quiet diagonal weave in
four greys, written as an uncompressed-LZW GIF (a clear code every two pixels
keeps the codes at three bits). Run again to regenerate the committed file."""
import struct
import sys

SIZE = 64
PALETTE = [(200, 204, 210), (212, 216, 222), (188, 192, 200), (224, 227, 232)]


def pixel(x, y):
    if x % 16 == 0 and y % 16 == 0:
        return 2
    weave = ((x + y) // 8 + (x - y + SIZE) // 8) % 2
    return 3 if weave else (x + y) % 2


def lzw_codes(pixels):
    clear, end = 4, 5
    codes = []
    for i in range(0, len(pixels), 2):
        codes.append(clear)
        codes.extend(pixels[i:i + 2])
    codes.append(end)
    return codes


def pack(codes, width=3):
    data, buffer, bits = bytearray(), 0, 0
    for code in codes:
        buffer |= code << bits
        bits += width
        while bits >= 8:
            data.append(buffer & 0xFF)
            buffer >>= 8
            bits -= 8
    if bits:
        data.append(buffer & 0xFF)
    return bytes(data)


def gif():
    pixels = [pixel(x, y) for y in range(SIZE) for x in range(SIZE)]
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", SIZE, SIZE, 0x81, 0, 0)  # global table of 4 colours
    for r, g, b in PALETTE:
        out += bytes((r, g, b))
    out += b"," + struct.pack("<HHHHB", 0, 0, SIZE, SIZE, 0)
    out.append(2)  # minimum code size
    data = pack(lzw_codes(pixels))
    for i in range(0, len(data), 255):
        block = data[i:i + 255]
        out.append(len(block))
        out += block
    out += b"\x00;"
    return bytes(out)


if __name__ == "__main__":
    target = sys.argv[1] if len(sys.argv) > 1 else "STRUKTUR.GIF"
    with open(target, "wb") as f:
        f.write(gif())
