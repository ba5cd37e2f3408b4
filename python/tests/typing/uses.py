# A user's file that mypy --strict accepts with the package's stubs.
import aiconverter
from aiconverter import convert, units

answer: str = convert("10 km to mi")
nothing: str = convert(None)
table: dict[str, list[tuple[str, str]]] = units()
for category, entries in table.items():
    for name, description in entries:
        print(category, name.upper(), description.upper())
version: str = aiconverter.__version__
