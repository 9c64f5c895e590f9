#!/usr/bin/env python3
"""Synthesises the shell's five sound effects as short 16-bit mono WAV files:
soft sine blips with an exponential fade. Run again to regenerate them."""
import math
import struct
import wave

RATE = 22050
EFFECTS = {
    "CTRL_KLICK.WAV": [(880, 0.05)],
    "FLDR_KLICK.WAV": [(660, 0.04), (990, 0.05)],
    "OVER_ITEM.WAV": [(1320, 0.025)],
    "DROP.WAV": [(740, 0.05), (494, 0.08)],
    "OVER_LINE.WAV": [(1760, 0.02)],
}


def samples(notes):
    for frequency, seconds in notes:
        count = int(RATE * seconds)
        for n in range(count):
            fade = math.exp(-5.0 * n / count)
            yield int(9000 * fade * math.sin(2 * math.pi * frequency * n / RATE))


for name, notes in EFFECTS.items():
    with wave.open(name, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", s) for s in samples(notes)))
