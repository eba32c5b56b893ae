#!/usr/bin/env python3
"""Doubles the size of the application icon for the web app manifest, which browsers want at
144 pixels or more for installing; the largest drawn icon is 128 pixels.

Usage: scale_icon.py IN.png OUT.png
Reads an 8-bit RGBA PNG without interlace, scales it by two with bilinear interpolation and
writes an RGBA PNG. Only the standard library: the build needs nothing more.
"""
import struct
import sys
import zlib


def read_png(path):
    data = open(path, 'rb').read()
    assert data[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
    pos, idat, header = 8, b'', None
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b'IHDR':
            header = struct.unpack('>IIBBBBB', body)
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour == 6 and interlace == 0, 'want 8-bit RGBA, not interlaced'
    raw, stride, rows, previous = zlib.decompress(idat), width * 4, [], bytearray(width * 4)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - 4] if x >= 4 else 0
            up = previous[x]
            corner = previous[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[x] = (line[x] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(line)
        previous = line
    return width, height, rows


def scale_twice(width, height, rows):
    out = []
    for y in range(height * 2):
        sy = min(max((y + 0.5) / 2 - 0.5, 0), height - 1)
        y0, fy = int(sy), sy - int(sy)
        y1 = min(y0 + 1, height - 1)
        line = bytearray()
        for x in range(width * 2):
            sx = min(max((x + 0.5) / 2 - 0.5, 0), width - 1)
            x0, fx = int(sx), sx - int(sx)
            x1 = min(x0 + 1, width - 1)
            for c in range(4):
                top = rows[y0][x0 * 4 + c] * (1 - fx) + rows[y0][x1 * 4 + c] * fx
                bottom = rows[y1][x0 * 4 + c] * (1 - fx) + rows[y1][x1 * 4 + c] * fx
                line.append(int(round(top * (1 - fy) + bottom * fy)))
        out.append(line)
    return width * 2, height * 2, out


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    raw = b''.join(b'\x00' + bytes(line) for line in rows)
    with open(path, 'wb') as out:
        out.write(b'\x89PNG\r\n\x1a\n')
        out.write(chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)))
        out.write(chunk(b'IDAT', zlib.compress(raw, 9)))
        out.write(chunk(b'IEND', b''))


if __name__ == '__main__':
    write_png(sys.argv[2], *scale_twice(*read_png(sys.argv[1])))
