#!/usr/bin/env python3
"""Fills the plural forms of translations/etiquetas_es.ts that lupdate
-pluralonly left unfinished. Spanish is the language the texts are written
in: a text reads as written, in the plural, for any number (the counts of
the print file and of the review were always said so), but for the few whose
singular the programs say, named here.

    tools/fill_spanish_plurals.py translations/etiquetas_es.ts
"""
import re
import sys
import xml.etree.ElementTree as ET

SINGULAR = {
    "%n etiquetas": "%n etiqueta",
    "%n columnas": "%n columna",
    "%n filas": "%n fila",
    "%n avisos": "%n aviso",
}

path = sys.argv[1]
tree = ET.parse(path)
for message in tree.iter("message"):
    source = message.findtext("source")
    translation = message.find("translation")
    forms = translation.findall("numerusform")
    if translation.get("type") != "unfinished" and all(f.text for f in forms):
        continue
    translation.attrib.pop("type", None)
    forms[0].text = SINGULAR.get(source, source)
    for form in forms[1:]:
        form.text = source
text = ET.tostring(tree.getroot(), encoding="unicode")
with open(path, "w", encoding="utf-8") as out:
    out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + text + "\n")
