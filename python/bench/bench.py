"""Time per whole line, in one process: convert() against a line converter
built on pint (split the line, float(), Quantity().to(), format the
magnitude as the engine does), and against the library's own call timed in
C, which shows what the binding adds. Rounds interleave the three; each
figure is the best of the rounds.

    python3 python/bench/bench.py build/release/bench/libc_call_timer.so [ROUNDS]

Needs the aiconverter package and pint (Debian: python3-pint) importable by
this interpreter; the module is made by the release preset's c_call_timer
target.
"""

import ctypes
import sys
import time

import pint

from aiconverter import convert

LINES = ["10 km to mi", "2.5 kg to lb", "72 f to c", "1 gal to l", "100 m to ft", "5 mi to km",
         "3 l to ml", "1 h to min", "60 mph to km/h", "20 c to f", "500 g to oz", "0 k to c"]

# Our unit names and pint's for the same units.
PINT_NAMES = {"km": "kilometer", "mi": "mile", "kg": "kilogram", "lb": "pound", "c": "degC", "f": "degF",
              "k": "kelvin", "l": "liter", "ml": "milliliter", "gal": "gallon", "m": "meter", "ft": "foot",
              "h": "hour", "min": "minute", "mph": "mile / hour", "km/h": "kilometer / hour", "g": "gram",
              "oz": "ounce"}

registry = pint.UnitRegistry()


def pint_line(line):
    number, source, _, target = line.split(" ")
    value = registry.Quantity(float(number), PINT_NAMES[source]).to(PINT_NAMES[target]).magnitude
    text = f"{value:.6f}".rstrip("0").rstrip(".") if 1e-3 <= abs(value) < 1e6 else f"{value:.10g}"
    return f"{number} {source} -> {text} {target}"


def per_call_ns(function, line, repeats):
    start = time.perf_counter_ns()
    for _ in range(repeats):
        function(line)
    return (time.perf_counter_ns() - start) / repeats


def main():
    timer = ctypes.CDLL(sys.argv[1]).aiconv_c_call_ns
    timer.argtypes = [ctypes.POINTER(ctypes.c_wchar_p), ctypes.c_size_t, ctypes.c_size_t]
    timer.restype = ctypes.c_double
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 7

    kinds = ("C call", "convert()", "pint")
    best = {line: dict.fromkeys(kinds, float("inf")) for line in LINES}
    for _ in range(rounds):
        for line in LINES:
            times = best[line]
            times["C call"] = min(times["C call"], timer((ctypes.c_wchar_p * 1)(line), 1, 20_000))
            times["convert()"] = min(times["convert()"], per_call_ns(convert, line, 20_000))
            times["pint"] = min(times["pint"], per_call_ns(pint_line, line, 50))

    print(f"ns per line, best of {rounds} interleaved rounds")
    print(f"{'answer (convert)':28} {'C call':>8} {'convert':>8} {'pint':>9} {'pint/convert':>13} {'convert/C':>10}")
    for line in LINES:
        answer, times = convert(line), best[line]
        assert pint_line(line) == answer, f"pint answers {pint_line(line)!r}: not the same work"
        print(f"{answer:28} {times['C call']:8.0f} {times['convert()']:8.0f} {times['pint']:9.0f}"
              f" {times['pint'] / times['convert()']:12.0f}x {times['convert()'] / times['C call']:9.2f}x")
    total = {kind: sum(best[line][kind] for line in LINES) / len(LINES) for kind in kinds}
    print(f"{'mean of the 12':28} {total['C call']:8.0f} {total['convert()']:8.0f} {total['pint']:9.0f}"
          f" {total['pint'] / total['convert()']:12.0f}x {total['convert()'] / total['C call']:9.2f}x")
    print(f"fewest times pint: {min(best[l]['pint'] / best[l]['convert()'] for l in LINES):.0f}x; "
          f"most times the C call: {max(best[l]['convert()'] / best[l]['C call'] for l in LINES):.2f}x")


if __name__ == "__main__":
    main()
