#!/usr/bin/env python3
"""Cuts a Wine registry file down to a fixture at key-block boundaries.

usage: trim.py SOURCE DEST FIRST_BLOCKS PATTERN...
Keeps the header, the first FIRST_BLOCKS key blocks, and every later block
whose text contains one of the PATTERNs, in file order (so Wine's sort order
holds). The file ends with its last value's LF, as Wine writes it.
"""
import re
import sys

source, dest, first = sys.argv[1], sys.argv[2], int(sys.argv[3])
patterns = sys.argv[4:]
text = open(source, 'rb').read().decode('ascii')
starts = [m.start() for m in re.finditer(r'^\[', text, re.M)]
preamble = text[:starts[0]]
blocks = [text[a:b] for a, b in zip(starts, starts[1:] + [len(text)])]
kept = [b for i, b in enumerate(blocks) if i < first or any(p in b for p in patterns)]
out = preamble + ''.join(kept)
out = out.rstrip('\n') + '\n'
open(dest, 'wb').write(out.encode('ascii'))
