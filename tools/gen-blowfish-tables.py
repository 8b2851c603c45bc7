#!/usr/bin/env python3
"""Writes cipher/blowfish_tables.cpp: Blowfish's initial P-array and S-boxes, which are the
hexadecimal digits of pi's fractional part, computed here with Machin's formula."""
import sys

WORDS = 18 + 4 * 256
BITS = WORDS * 32 + 64  # guard bits against rounding in the last word


def arctan_inverse(x, one):
    """arctan(1/x) scaled by `one`, with integer arithmetic."""
    total = term = one // x
    x_squared = x * x
    n = 1
    sign = -1
    while term:
        term //= x_squared
        total += sign * (term // (2 * n + 1))
        sign = -sign
        n += 1
    return total


def pi_fraction_words():
    one = 1 << (BITS + 32)
    pi = 16 * arctan_inverse(5, one) - 4 * arctan_inverse(239, one)
    fraction = (pi - 3 * one) >> 32
    words = []
    for i in range(WORDS):
        shift = BITS - 32 * (i + 1)
        words.append((fraction >> shift) & 0xFFFFFFFF)
    return words


def main(path):
    words = pi_fraction_words()
    assert words[0] == 0x243F6A88 and words[1] == 0x85A308D3 and words[-1] == 0x3AC372E6
    lines = [
        "// Blowfish's initial subkeys and S-boxes: the fractional part of pi in hexadecimal,",
        "// P1 to P18, then S1[0] to S4[255]. Written by tools/gen-blowfish-tables.py.",
        '#include "cipher/blowfish_tables.h"',
        "",
        "const std::uint32_t BLOWFISH_INITIAL_TABLES[BLOWFISH_INITIAL_TABLE_WORDS] = {",
    ]
    for i in range(0, WORDS, 6):
        lines.append("    " + " ".join("0x%08X," % w for w in words[i:i + 6]))
    lines.append("};")
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "cipher/blowfish_tables.cpp")
