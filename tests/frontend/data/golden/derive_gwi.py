#!/usr/bin/env python3
"""Derives the expected driveability input of an example by the rules of the
".gwi" template, from the example's data file and the plot data file of its
run. Independent of the program's own writer: it reads the two files as text.

Usage: derive_gwi.py PROJECT.tq7d PROJECT.tq7p > PROJECT.gwi
"""
import sys
from decimal import Decimal, ROUND_HALF_UP

def e3(text_or_value, exp_digits):
    """Exponent form, 3 significant digits, at least `exp_digits` exponent
    digits. Values come in as the decimal text the files print and are
    rounded as decimals, half away from zero (1.055 gives 1.06E+0)."""
    d = Decimal(str(text_or_value))
    if d == 0:
        return "0.00E+" + "0" * exp_digits
    sign = "-" if d < 0 else ""
    d = abs(d)
    exp = d.adjusted()
    scaled = d.scaleb(-exp)                     # 1 <= scaled < 10
    q = scaled.quantize(Decimal("0.01"), rounding=ROUND_HALF_UP)
    if q >= 10:
        q = (q / 10).quantize(Decimal("0.01"))
        exp += 1
    es = str(abs(exp)).rjust(exp_digits, "0")
    return f"{sign}{q}E{'-' if exp < 0 else '+'}{es}"

def words(path):
    with open(path, newline="") as f:
        return f.read().split()

def main(data_path, plot_path):
    with open(data_path, newline="") as f:
        lines = f.read().split("\r\n")
    title = lines[0]
    units, _, point_count, _ = (int(x) for x in lines[3].split())
    perimeter, _, od, id_, modulus, _, _ = lines[4].split()
    zfl, inc, pile_type, taper, transfer, offshore, factored = lines[6].split()
    switches = [int(x) for x in lines[7].split()]
    pile_type, transfer = int(pile_type), int(transfer)
    english = units == 1
    # Soil layers: two points of two lines each per layer; the bottom point's
    # first line starts with the bottom depth and the soil kind.
    layers = []
    for k in range(point_count // 2):
        bottom = lines[9 + 4 * k + 2].split()
        layers.append((Decimal(bottom[0]), int(bottom[1])))

    w = words(plot_path)
    plot_count, rows = int(w[0]), int(w[1])
    order = [5, 1, 2, 3, 4, 6, 7, 8, 9]
    plotted = [c for c in order if switches[c - 1] == 1]
    block = plotted.index(transfer)
    start = 4 + block * rows * 5
    points = []  # (depth, unit skin friction, tip) as printed
    for j in range(rows):
        depth, skin, tip, total, unit_skin = w[start + 5 * j: start + 5 * j + 5]
        points.append((depth, unit_skin, tip))

    out = []
    out.append(title[:40].ljust(40) + "  VER. 2000" + (" 1 0" if english else " 0 0"))
    out.append("-100   0   1   0   1   0   0   0   0   3   0   0   0   0   0   0   0   0     0.000")
    out.append("   32.1700   32.1700" if english else "    9.8100    9.8100")
    out.append("      0.00      0.00      0.00    0.0000    0.0000    0.0100      0.00")
    out.append("   3600.00    207.00    0.0000    0.5000    3.0000         0")
    L = Decimal(points[-1][0])
    area = (Decimal(od) ** 2 - Decimal(id_) ** 2) * Decimal("0.7854")
    if not english:
        area /= 100
    E = Decimal(modulus) / 1000
    W = {3: ("150", "23.56"), 2: ("50", "7.9")}.get(pile_type, ("492", "77.28"))[0 if english else 1]
    circular = Decimal(perimeter) == 0
    P = (Decimal(od) * Decimal("3.1416") if circular else Decimal(perimeter)) / (12 if english else 1000)
    out.append("  " + "  ".join(e3(v, 2) for v in (L, area, E, W, P)) + "     4.000     1.000     0.010")
    out += ["     0.000     0.000       0.0    0.0000    0.0000     0.000     0.000     0.000"] * 2
    out += ["    0.0000    0.0000    0.0000    0.0000"] * 2

    n = len(points)
    if n < 100:
        chosen, extra = list(range(1, n + 1)), None
    else:
        s = n // 100 + 1
        c = n // s
        chosen = [1 + k * s for k in range(c)]
        extra = n if chosen[-1] != n else None
    cursor = 0
    def resistance(point, soil):
        depth, unit_skin, tip = points[point - 1]
        damping, setup = soil
        return (" " + e3(depth, 1) + " " + e3(unit_skin, 1) + " " + e3(tip, 1)
                + ("   0.100   0.100   " if english else "   2.540   2.500   ")
                + e3(damping, 1) + "   0.150   " + e3(setup, 1)
                + ("    6.56    1.00" if english else "    1.50    1.00"))
    soil = None
    for point in chosen:
        depth = Decimal(points[point - 1][0])
        if cursor + 1 < len(layers) and layers[cursor][0] < depth:
            cursor += 1
        kind = layers[cursor][1]
        soil = (("0.05" if english else "0.16"), "1.2") if kind == 1 else (("0.2" if english else "0.65"), "2.0")
        out.append(resistance(point, soil))
    if extra:
        out.append(resistance(extra, soil))
    out.append("  1.0000  0.9000  0.8000  0.7000  0.6000  0.5000  0.0000  0.0000  0.0000  0.0000")
    out.append("  1.0000  1.0000  1.0000  1.0000  1.0000  0.0000  0.0000  0.0000  0.0000  0.0000")
    for f in ("0.25", "0.5", "0.75", "1"):
        out.append("  " + e3(L * Decimal(f), 2) + "      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000")
    out.append("      0.00      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000")
    sys.stdout.buffer.write(("\r\n".join(out) + "\r\n").encode())

if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
