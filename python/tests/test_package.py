"""The unit table as the package gives it, and the stubs as mypy reads them."""

import pathlib
import re
import shutil
import subprocess
import sys

import pytest

from aiconverter import convert, units

TYPING = pathlib.Path(__file__).parent / "typing"


def test_units_are_the_engines_table():
    table = units()
    assert len(table) == 12 and list(table)[:3] == ["length", "mass", "volume"]
    names = [name for entries in table.values() for name, _ in entries]
    assert len(names) == len(set(names)) >= 100
    categories = list(table)
    for index, (category, entries) in enumerate(table.items()):
        other_category = categories[(index + 1) % len(categories)]
        other = table[other_category][0][0]
        for name, description in entries:
            assert description and description.isprintable()
            # (A name's trailing "." is dropped before the look-up: "lbs." finds "lbs".)
            found = name.removesuffix(".") if name.removesuffix(".") in names else name
            answer = convert(f"1 {name} to {entries[0][0]}")
            assert answer.startswith(f"1 {found} -> ") and answer.endswith(f" {entries[0][0]}"), answer
            assert convert(f"1 {name} to {other}") == f"ERROR: incompatible units ({category} vs {other_category})"
    table["length"].clear()
    assert units()["length"], "each call makes its own table"


def mypy(file, tmp_path):
    if shutil.which("mypy") is None:
        pytest.skip("mypy is not installed")
    if sys.version_info >= (3, 12):  # the stubs are the same file on every version
        pytest.skip("Debian's mypy 1.0 cannot ask Python 3.12 or later for its search path (no distutils)")
    command = ["mypy", "--strict", "--python-version", "3.10", "--python-executable", sys.executable,
               "--cache-dir", str(tmp_path), "--no-error-summary", str(file)]
    return subprocess.run(command, capture_output=True, text=True)


def test_stubs_accept_a_users_file(tmp_path):
    result = mypy(TYPING / "uses.py", tmp_path)
    assert result.returncode == 0, result.stdout + result.stderr


def test_stubs_report_wrong_calls(tmp_path):
    file = TYPING / "misuse.py"
    marked = {n for n, line in enumerate(file.read_text().splitlines(), 1) if line.endswith("# error")}
    result = mypy(file, tmp_path)
    reported = {int(n) for n in re.findall(r"misuse\.py:(\d+): error:", result.stdout)}
    assert result.returncode == 1 and reported == marked, result.stdout + result.stderr
