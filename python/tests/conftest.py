"""What the tests compare the package with: the golden set, and the Linux
library itself where AICONV_LIBRARY names it (a libaiconverter.so)."""

import ctypes
import os
import pathlib

import pytest

GOLDEN = pathlib.Path(os.environ.get("AICONV_GOLDEN", pathlib.Path(__file__).parents[2] / "tests/golden/golden.tsv"))


@pytest.fixture(scope="session")
def golden() -> list[tuple[str, str]]:
    rows = []
    for line in GOLDEN.read_text(encoding="utf-8").splitlines():
        if "\t" in line:
            query, answer = line.split("\t", 1)
            rows.append((query, answer))
    assert len(rows) >= 2000, f"only {len(rows)} rows in {GOLDEN}"
    return rows


@pytest.fixture(scope="session")
def library_convert():
    """AIConverter from the library: str (or None) in, str out."""
    path = os.environ.get("AICONV_LIBRARY")
    if not path:
        pytest.skip("AICONV_LIBRARY does not name the library to compare with")
    entry = ctypes.CDLL(path).AIConverter
    entry.argtypes = [ctypes.c_wchar_p]
    entry.restype = ctypes.c_wchar_p
    return entry
