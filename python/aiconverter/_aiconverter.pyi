__version__: str

def convert(query: str | None, /) -> str:
    """The answer line for one query; a line that begins with "ERROR: " when
    the query is not converted."""

def units() -> dict[str, list[tuple[str, str]]]:
    """category -> [(name, description), ...], in the unit table's order."""
