#!/usr/bin/env python3
"""Writes the demo item-label print file: 50 items, as the library client
writes them (UTF-8 text, CR LF line ends, one tagged line per field)."""
import random
import sys

TITLES = [
    "Cien años de soledad", "El laberinto de la soledad", "Química orgánica",
    "Historia de México", "La región más transparente", "Pedro Páramo",
    "Introducción a los algoritmos", "Cálculo diferencial e integral",
    "¿Qué es la filosofía?", "Física universitaria con física moderna",
    "Economía: principios y aplicaciones", "Ensayo sobre la ceguera",
    "Álgebra lineal y sus aplicaciones", "El llano en llamas",
    "Métodos numéricos para ingenieros", "Anatomía humana descriptiva y topográfica",
    "Biología celular y molecular", "Derecho constitucional mexicano",
    "La muerte de Artemio Cruz", "Los de abajo: novela de la Revolución Mexicana",
]
AUTHORS = [
    "García Márquez, Gabriel, 1927-2014", "Paz, Octavio, 1914-1998", "Chapra, Steven C.",
    "Fuentes, Carlos, 1928-2012", "Rulfo, Juan, 1917-1986", "Cormen, Thomas H.",
    "Núñez Jiménez, Antonio", "Saramago, José, 1922-2010", "Azuela, Mariano, 1873-1952",
    "Peña Gómez, María de los Ángeles", "Deleuze, Gilles", "Sears, Francis W.",
]
CLASSES = ["QA76.73", "PQ7297", "QD251.2", "F1226", "HF5548.4", "QA303", "PQ6613",
           "QH581.2", "KGF2921", "QM23.2", "B72", "HB171.5"]


def call_number(rng):
    parts = [rng.choice(CLASSES), "." + rng.choice("ABCDGMPRS") + str(rng.randint(10, 99))]
    parts.append(str(rng.randint(1965, 2024)))
    if rng.random() < 0.35:
        parts.append("V." + str(rng.randint(1, 4)))
    if rng.random() < 0.3:
        parts.append("EJ." + str(rng.randint(2, 5)))
    return " ".join(parts)


def main():
    out = sys.argv[1]
    rng = random.Random(1998)
    lines = ["## - XML_XSL", '<?xml version="1.0" encoding="UTF-8"?>', "<printout>",
             "<form-name>itemlbl</form-name>", "<form-language>SPA</form-language>",
             "<subject>Etiquetas de ejemplares</subject>"]
    for i in range(50):
        fields = [
            f"<z30-call-no>{call_number(rng)}</z30-call-no>",
            f"<z13-title>{rng.choice(TITLES)}</z13-title>",
            f"<z13-author>{rng.choice(AUTHORS)}</z13-author>",
            f"<z30-barcode>39{rng.randint(10**10, 10**11 - 1)}</z30-barcode>",
            "<z30-call-no-type>0</z30-call-no-type>",
        ]
        rng.shuffle(fields)
        lines += ["<section-02>", f"<z30-doc-number>{200000 + i:09d}</z30-doc-number>"]
        lines += fields
        lines += ["<z30-sub-library>Biblioteca Central</z30-sub-library>", "</section-02>"]
    lines.append("</printout>")
    with open(out, "wb") as f:
        f.write("".join(l + "\r\n" for l in lines).encode("utf-8"))


main()
