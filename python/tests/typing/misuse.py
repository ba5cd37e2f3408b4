# Calls that mypy --strict reports: each line marked "error" and no other.
from aiconverter import convert, units

convert(b"10 km to mi")  # error
convert(10)  # error
convert()  # error
number: float = convert("1 m to cm")  # error
units("length")  # error
