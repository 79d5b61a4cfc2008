#!/usr/bin/env python3
"""Fills every message of a Qt Linguist .ts file with its source between
brackets, "⟦Generar⟧", plural forms too: a translation that shows at a
glance any text of the programs that does not go through it.

    tools/pseudo_translate.py IN.ts OUT.ts
"""
import sys
import xml.etree.ElementTree as ET

tree = ET.parse(sys.argv[1])
for message in tree.iter("message"):
    source = message.findtext("source")
    translation = message.find("translation")
    translation.attrib.pop("type", None)
    wrapped = "\u27e6" + source + "\u27e7"
    if message.get("numerus") == "yes":
        for form in translation.findall("numerusform"):
            translation.remove(form)
        for _ in range(2):
            ET.SubElement(translation, "numerusform").text = wrapped
    else:
        translation.text = wrapped
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
