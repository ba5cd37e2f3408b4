"""Builds the aiconverter package: one extension over the engine's own sources.

The metadata is in pyproject.toml; this file adds what it cannot say: the
version, read from the top CMakeLists.txt where alone it is written, and the
extension with the flags the engine is built with everywhere (and the
package's layout, which Debian 12's setuptools reads from pyproject.toml
only with a warning). Needs a C++17
compiler and the Python headers.

    pip install --no-build-isolation .       # where no package index is reached
    python3 -m build --no-isolation          # the sdist, and a wheel built from it

AICONV_WERROR=1 in the environment makes warnings errors, as in the
project's own builds.
"""

import os
import pathlib
import platform
import re

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

# The engine and the one code-page file the library narrows wide text with.
SOURCES = [
    "python/extension.cpp",
    "engine/big_integer.cpp",
    "engine/convert.cpp",
    "engine/number_format.cpp",
    "engine/number_scan.cpp",
    "engine/parse.cpp",
    "engine/power_of_ten.cpp",
    "engine/units.cpp",
    "module/code_page_1252.cpp",
]

# The engine needs the C library alone: no C++ runtime, no unwind tables.
# Each double operation rounds once, in the order written (no fused
# multiply-add, no x87), so answers match the library's on every processor.
COMPILE_FLAGS = [
    "-std=c++17",
    "-O3",
    "-flto=auto",
    "-fno-exceptions",
    "-fno-rtti",
    "-fno-threadsafe-statics",
    "-fno-asynchronous-unwind-tables",
    "-fno-unwind-tables",
    "-ffunction-sections",
    "-fdata-sections",
    "-ffp-contract=off",
    "-fvisibility=hidden",
    "-Wall",
    "-Wextra",
]
if re.fullmatch(r"i[3-6]86|x86", platform.machine()):
    COMPILE_FLAGS += ["-msse2", "-mfpmath=sse"]
if os.environ.get("AICONV_WERROR") == "1":
    COMPILE_FLAGS.append("-Werror")
# What the entry does not reach is dropped, and the symbols go: the wheel
# ships the extension stripped.
LINK_FLAGS = ["-O3", "-flto=auto", "-Wl,--gc-sections", "-Wl,--strip-all"]


def project_version():
    text = pathlib.Path("CMakeLists.txt").read_text(encoding="utf-8")
    match = re.search(r"project\(AIConverter\s+VERSION\s+([0-9]+(?:\.[0-9]+){3})", text)
    if match is None:
        raise SystemExit("setup.py: no project VERSION in CMakeLists.txt")
    return match.group(1)


class BuildExt(build_ext):
    """Writes aiconverter_version.h from the same template CMake fills in."""

    def build_extensions(self):
        version = project_version()
        parts = dict(zip(("MAJOR", "MINOR", "PATCH", "TWEAK"), version.split(".")))
        template = pathlib.Path("cmake/aiconverter_version.h.in").read_text(encoding="utf-8")
        header = template.replace("@PROJECT_VERSION@", version)
        for name, value in parts.items():
            header = header.replace(f"@PROJECT_VERSION_{name}@", value)
        generated = pathlib.Path(self.build_temp) / "generated"
        generated.mkdir(parents=True, exist_ok=True)
        (generated / "aiconverter_version.h").write_text(header, encoding="utf-8")
        for extension in self.extensions:
            extension.include_dirs.append(str(generated))
        super().build_extensions()


setup(
    version=project_version(),
    package_dir={"": "python"},
    packages=["aiconverter"],
    package_data={"aiconverter": ["py.typed", "*.pyi"]},
    ext_modules=[
        Extension(
            "aiconverter._aiconverter",
            sources=SOURCES,
            include_dirs=[".", "include"],
            define_macros=[("Py_LIMITED_API", "0x030A0000")],
            extra_compile_args=COMPILE_FLAGS,
            extra_link_args=LINK_FLAGS,
            py_limited_api=True,
        )
    ],
    cmdclass={"build_ext": BuildExt},
    # One wheel for CPython 3.10 and later; setuptools' work files beside
    # the CMake builds, not over them.
    options={"bdist_wheel": {"py_limited_api": "cp310"}, "build": {"build_base": "build/python"}},
)
