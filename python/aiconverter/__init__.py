"""Unit conversion, one line of text in and one line out.

>>> from aiconverter import convert
>>> convert("10 km to mi")
'10 km -> 6.213712 mi'

The engine is the AIConverter library's own, compiled into this package:
every answer is the library's, character for character.
"""

from ._aiconverter import __version__, convert, units

__all__ = ["__version__", "convert", "units"]
