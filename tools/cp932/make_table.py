#!/usr/bin/env python3
"""Writes services/data/cp932_table.cpp: code page 932 as the C library of Debian (glibc's iconv, "CP932")
reads and writes it, so the game decodes the teachers' Shift_JIS files the same on every system, the
browser included, where no such converter is at hand.

Usage: tools/cp932/make_table.py > services/data/cp932_table.cpp && clang-format -i services/data/cp932_table.cpp
"""
import ctypes
import ctypes.util
import sys

libc = ctypes.CDLL(ctypes.util.find_library("c"))
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_void_p), ctypes.POINTER(ctypes.c_size_t),
                       ctypes.POINTER(ctypes.c_void_p), ctypes.POINTER(ctypes.c_size_t)]
libc.iconv_close.argtypes = [ctypes.c_void_p]


def convert(to, source, data):
    """The whole of data converted, or None when iconv refuses any of it."""
    cd = libc.iconv_open(to.encode(), source.encode())
    if cd is None or cd == ctypes.c_void_p(-1).value:
        sys.exit(f"iconv cannot convert {source} to {to}")
    inb = ctypes.create_string_buffer(data, len(data))
    outb = ctypes.create_string_buffer(64)
    src, left = ctypes.c_void_p(ctypes.addressof(inb)), ctypes.c_size_t(len(data))
    dst, room = ctypes.c_void_p(ctypes.addressof(outb)), ctypes.c_size_t(64)
    done = libc.iconv(cd, ctypes.byref(src), ctypes.byref(left), ctypes.byref(dst), ctypes.byref(room))
    libc.iconv_close(cd)
    if done == ctypes.c_size_t(-1).value or left.value:
        return None
    return outb.raw[:64 - room.value]


def decode(data):
    out = convert("UTF-32BE", "CP932", data)
    if out is None or len(out) != 4:
        return None
    return int.from_bytes(out, "big")


single = [decode(bytes([b])) for b in range(256)]
leads = [b for b in range(256) if single[b] is None and any(decode(bytes([b, t])) is not None for t in range(256))]
double = {(lead << 8) | t: decode(bytes([lead, t])) for lead in leads for t in range(256)}
double = {code: c for code, c in double.items() if c is not None}
trails = sorted({code & 0xFF for code in double})
first_trail, last_trail = trails[0], trails[-1]
if any(c > 0xFFFF for c in double.values()) or any(c is not None and c > 0xFFFF for c in single):
    sys.exit("a character beyond U+FFFF: the table holds 16-bit characters only")

# Writing back: the code iconv gives for each character, where it is not the first code that reads as it
# (a character of both the NEC and the IBM rows) or no code reads as it (a one-way mapping).
first_code = {}
for b in range(256):
    if single[b] is not None:
        first_code.setdefault(single[b], b)
for code in sorted(double):
    first_code.setdefault(double[code], code)
written = {}
for c in range(0x10000):
    if 0xD800 <= c <= 0xDFFF:
        continue
    out = convert("CP932", "UTF-32BE", c.to_bytes(4, "big"))
    if out is None:
        continue
    code = int.from_bytes(out, "big")
    if first_code.get(c) != code:
        written[c] = code

none = 0xFFFF
print("// SPDX-License-Identifier: MIT")
print("// Written by tools/cp932/make_table.py from glibc's iconv (CP932); do not edit by hand.")
print('#include "services/data/cp932_table.h"')
print()
print("namespace cp932 {")
print()
print("// clang-format off")
print("const char16_t singleByte[256] = {")
for row in range(0, 256, 16):
    cells = [none if single[b] is None else single[b] for b in range(row, row + 16)]
    print("    " + ", ".join(f"0x{c:04X}" for c in cells) + ",")
print("};")
print()
print(f"const unsigned char leadBytes[{len(leads)}] = {{")
for row in range(0, len(leads), 16):
    print("    " + ", ".join(f"0x{b:02X}" for b in leads[row:row + 16]) + ",")
print("};")
print()
width = last_trail - first_trail + 1
print(f"const char16_t doubleByte[{len(leads)}][{width}] = {{")
for lead in leads:
    cells = [double.get((lead << 8) | t, none) for t in range(first_trail, last_trail + 1)]
    print(f"    {{ // 0x{lead:02X}")
    for row in range(0, width, 12):
        print("        " + ", ".join(f"0x{c:04X}" for c in cells[row:row + 12]) + ",")
    print("    },")
print("};")
print()
print(f"const Written writtenAs[{max(len(written), 1)}] = {{")
for c in sorted(written):
    print(f"    {{0x{c:04X}, 0x{written[c]:04X}}},")
print("};")
print("// clang-format on")
print()
print(f"static_assert(firstTrail == 0x{first_trail:02X} && lastTrail == 0x{last_trail:02X});")
print(f"static_assert(leadCount == {len(leads)} && writtenCount == {len(written)});")
print()
print("} // namespace cp932")
