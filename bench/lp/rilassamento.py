#!/usr/bin/env python3
"""Writes the linear relaxation of a reduction as an MPS file for an LP solver (e.g. clp).

Usage: rilassamento.py COLONNE.Scl GARANZIA [VINCITE] > rilassamento.mps

Minimise the sum of x over the distinct columns, 0 <= x <= 1, each column needing
min(VINCITE, neighbours) among its neighbours (score >= GARANZIA, itself included).
Only for measuring the bound shown by the program; nothing in the build uses it.
"""
import sys
from collections import defaultdict

PESI = (17, 15, 14, 13, 12, 11, 10, 9)


def main():
    dati = open(sys.argv[1], "rb").read()
    garanzia = int(sys.argv[2])
    vincite = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    colonne = sorted({dati[i:i + 8] for i in range(0, len(dati) // 8 * 8, 8)})
    n = len(colonne)
    # Pairs agreeing on a set of positions worth at least the guarantee, found through the
    # keys of those positions.
    insiemi = []
    for m in range(1, 256):
        pos = [q for q in range(8) if m >> q & 1]
        if sum(PESI[q] for q in pos) >= garanzia:
            insiemi.append(pos)
    # Minimal sets only: any pair scoring enough agrees on one of them.
    minimi = [p for p in insiemi
              if not any(set(a) < set(p) for a in insiemi)]
    vicini = [set([v]) for v in range(n)]
    for pos in minimi:
        gruppi = defaultdict(list)
        for v, c in enumerate(colonne):
            gruppi[bytes(c[q] for q in pos)].append(v)
        for g in gruppi.values():
            for a in g:
                vicini[a].update(g)
    out = sys.stdout
    out.write("NAME RIDUZIONE\nROWS\n N COSTO\n")
    for e in range(n):
        out.write(f" G R{e}\n")
    out.write("COLUMNS\n")
    for s in range(n):
        out.write(f" X{s} COSTO 1\n")
        for e in sorted(vicini[s]):
            out.write(f" X{s} R{e} 1\n")
    out.write("RHS\n")
    for e in range(n):
        out.write(f" RHS R{e} {min(vincite, len(vicini[e]))}\n")
    # With one win no column is worth more than 1 anyway.
    if vincite > 1:
        out.write("BOUNDS\n")
        for s in range(n):
            out.write(f" UP BND X{s} 1\n")
    out.write("ENDATA\n")
    sys.stderr.write(f"{n} columns, {sum(len(v) for v in vicini)} entries\n")


main()
