#!/usr/bin/env python3
"""Writes LICENCIAS.txt for the Windows folder: the text on standard input
with @VERSION@; in place of @PLANTILLAS@, the licence notice of the
label-sheet catalogue as its package's DTD carries it; in place of @ZINT@
and @ZINT_VERSION@, zint's licence and version as its recipe left them.

    tools/licences.py VERSION DTD ZINT_FOLDER < windows/LICENCIAS.txt
"""
import re
import sys

version, dtd, zint = sys.argv[1], sys.argv[2], sys.argv[3]
notice = re.search(r"<!--(.*?)-->", open(dtd, encoding="utf-8").read(), re.S).group(1)
lines = [line.strip() for line in notice.strip().splitlines()]
text = sys.stdin.read().replace("@VERSION@", version)
text = text.replace("@PLANTILLAS@", "\n".join("  " + line for line in lines))
zint_licence = open(f"{zint}/LICENSE", encoding="utf-8").read().strip().splitlines()
zint_version = open(f"{zint}/VERSION", encoding="utf-8").read().strip().removeprefix("zint-")
text = text.replace("@ZINT_VERSION@", zint_version)
sys.stdout.write(text.replace("@ZINT@", "\n".join(("  " + line).rstrip() for line in zint_licence)))
