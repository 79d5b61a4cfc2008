#!/usr/bin/env python3
"""Writes LICENCIAS.txt for the Windows folder: the text on standard input
with @VERSION@ and, in place of @PLANTILLAS@, the licence notice of the
label-sheet catalogue as its package's DTD carries it.

    tools/licences.py VERSION DTD < windows/LICENCIAS.txt
"""
import re
import sys

version, dtd = sys.argv[1], sys.argv[2]
notice = re.search(r"<!--(.*?)-->", open(dtd, encoding="utf-8").read(), re.S).group(1)
lines = [line.strip() for line in notice.strip().splitlines()]
text = sys.stdin.read().replace("@VERSION@", version)
sys.stdout.write(text.replace("@PLANTILLAS@", "\n".join("  " + line for line in lines)))
