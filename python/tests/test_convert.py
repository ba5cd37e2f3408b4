"""convert() answers as the library does: the golden set, what crosses the
boundary (types, None, the query limit, text outside Windows-1252), and
threads."""

import random
import threading

import pytest

import aiconverter
from aiconverter import convert


def test_golden_set(golden):
    differ = [(query, convert(query), answer) for query, answer in golden if convert(query) != answer]
    assert differ[:10] == [], f"{len(differ)} of {len(golden)} answers differ"


def test_none_answers_as_a_null_pointer():
    assert convert(None) == "ERROR: null input"


@pytest.mark.parametrize("query", [b"10 km to mi", bytearray(b"1 m"), 10, 1.5, ["10 km to mi"], object()])
def test_anything_else_is_a_type_error(query):
    with pytest.raises(TypeError, match=rf"convert\(\) takes a str \(or None\), not {type(query).__name__}"):
        convert(query)


def test_arguments_are_checked():
    with pytest.raises(TypeError):
        convert()  # type: ignore[call-arg]
    with pytest.raises(TypeError):
        convert("1 m to cm", "x")  # type: ignore[call-arg]
    assert convert(type("Query", (str,), {})("1 m to cm")) == "1 m -> 100 cm"


# Pieces of queries: words the engine reads, characters Windows-1252 holds
# (one byte each, "€" among its 0x80-0x9F), and ones it does not: other
# scripts, a character beyond U+FFFF, lone surrogates, U+0000.
PIECES = ["10", "2.5", "km", "mi", "fl", "oz", "to", "->", " ", "\t",
          "é", "µ", "€", "ÿ", "Ж", "中文", "😀", "\ud800", "\udfff", "\0", "x"]


def test_the_query_limit(library_convert):
    # The target unit ends on the 999th character, or one later: then it is
    # cut to "m". What follows the limit is never read.
    fits = "10 km to" + " " * 989 + "mi" + "中" * 50
    beyond = "10 km to" + " " * 990 + "mi" + "中" * 50
    assert fits[998] == "i" and beyond[999] == "i"
    assert convert(fits) == library_convert(fits) == "10 km -> 6.213712 mi"
    assert convert(beyond) == library_convert(beyond) == "10 km -> 10000 m"
    assert convert("1 m to cm " + "\ud800" * 100_000) == "1 m -> 100 cm"


def test_text_outside_the_code_page_answers_as_the_library(library_convert):
    rng = random.Random(1252)
    for _ in range(5000):
        query = "".join(rng.choice(PIECES) for _ in range(rng.randint(1, 8)))
        if rng.random() < 0.05:
            query = query + " " * rng.randint(990, 1000) + query
        assert convert(query) == library_convert(query), repr(query)


def test_threads_at_once(golden):
    failures = []

    def work(offset):
        for call in range(20_000):
            query, answer = golden[(offset + call * 7) % len(golden)]
            if convert(query) != answer:
                failures.append((query, answer))

    threads = [threading.Thread(target=work, args=(n * 331,)) for n in range(8)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert failures[:5] == [], f"{len(failures)} wrong answers"


def test_version_is_the_distributions():
    from importlib.metadata import version

    assert aiconverter.__version__ == version("aiconverter")
