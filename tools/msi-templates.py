#!/usr/bin/env python3
"""Writes the MSI's source with the catalogue's files listed: the text on
standard input with the marker <!-- @PLANTILLAS@ --> replaced by a folder
"plantillas" holding every file of APP_FOLDER/plantillas, and the marker
<!-- @PLANTILLAS_REF@ --> by its component.

    tools/msi-templates.py APP_FOLDER < windows/etiquetas.wxs > etiquetas.wxs
"""
import pathlib
import re
import sys

folder = pathlib.Path(sys.argv[1]) / "plantillas"
files = sorted(p.name for p in folder.iterdir() if p.is_file())
key_path = ' KeyPath="yes"'
entries = "\n".join(
    f'              <File Id="p_{re.sub(r"[^A-Za-z0-9_.]", "_", name)}" Name="{name}" '
    f'Source="$(var.AppDir)/plantillas/{name}"{key_path if i == 0 else ""}/>'
    for i, name in enumerate(files))
directory = ('<Directory Id="plantillas" Name="plantillas">\n'
             '            <Component Id="plantillas" Guid="*" Win64="yes">\n'
             f'{entries}\n'
             '            </Component>\n'
             '          </Directory>')
text = sys.stdin.read()
text = text.replace("<!-- @PLANTILLAS@ -->", directory)
sys.stdout.write(text.replace("<!-- @PLANTILLAS_REF@ -->", '<ComponentRef Id="plantillas"/>'))
