// The engine for Python: aiconverter._aiconverter, built against the stable
// ABI of CPython 3.10 so that one wheel serves every later version. A query
// reaches the engine as the library's entry hands it over: narrowed to
// Windows-1252 by the library's own code-page code (an ASCII str is already
// that text), cut at the same limit; the answer comes back as a str.
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstddef>
#include <cstring>

#include "aiconverter.h"
#include "engine/convert.h"
#include "engine/unit_words.h"
#include "engine/units.h"
#include "module/code_page.h"

namespace {

constexpr Py_ssize_t kQueryLimit = AICONVERTER_QUERY_LIMIT;

// The query as the library's entry narrows it: each character one byte of
// Windows-1252 ('?' where it has none), cut to the first kQueryLimit, ended
// by a U+0000. Writes the bytes and a NUL into `text`; returns their count,
// or -1 with an exception set.
Py_ssize_t Narrow(PyObject* query, char (&text)[kQueryLimit + 1]) {
    wchar_t wide[kQueryLimit + 1];
    const Py_ssize_t copied = PyUnicode_AsWideChar(query, wide, kQueryLimit);
    if (copied < 0) return -1;
    wide[copied] = L'\0';
    return static_cast<Py_ssize_t>(aiconv::WideToCodePage(wide, text, sizeof text));
}

// The answer to `query` (a str or None) as a new str, or null with
// TypeError set. The GIL is held throughout: the str is read under it, and
// the whole conversion takes less time than giving the GIL up and taking it
// back, so other threads would gain nothing from its release.
PyObject* Convert(PyObject* /*module*/, PyObject* query) {
    char answer[aiconv::kResultTextSize];
    std::size_t answerLength = 0;
    if (query == Py_None) {
        answerLength = aiconv::ConvertQuery(nullptr, 0, answer);
    } else if (PyUnicode_Check(query)) {
        // An ASCII str is its own code-page text, and CPython keeps it as
        // bytes that end in a NUL: read in place. The UTF-8 form a shorter
        // non-ASCII str gets here (and keeps, as for other C APIs) has more
        // bytes than characters, which sends it the other way.
        const Py_ssize_t length = PyUnicode_GetLength(query);
        Py_ssize_t bytes = -1;
        const char* ascii = length <= kQueryLimit ? PyUnicode_AsUTF8AndSize(query, &bytes) : nullptr;
        if (ascii != nullptr && bytes == length) {
            answerLength = aiconv::ConvertCString(ascii, std::strlen(ascii), answer);  // a U+0000 ends it
        } else {
            PyErr_Clear();  // lone surrogates have no UTF-8 form
            char text[kQueryLimit + 1];
            const Py_ssize_t textLength = Narrow(query, text);
            if (textLength < 0) return nullptr;
            answerLength = aiconv::ConvertCString(text, static_cast<std::size_t>(textLength), answer);
        }
    } else {
        PyObject* type = PyObject_GetAttrString(reinterpret_cast<PyObject*>(Py_TYPE(query)), "__name__");
        if (type == nullptr) return nullptr;
        PyErr_Format(PyExc_TypeError, "convert() takes a str (or None), not %S", type);
        Py_DECREF(type);
        return nullptr;
    }
    // Answers are ASCII.
    return PyUnicode_DecodeASCII(answer, static_cast<Py_ssize_t>(answerLength), nullptr);
}

// A new (name, description) pair for one row of the table.
PyObject* UnitEntry(std::size_t row) {
    return Py_BuildValue("(ss)", aiconv::UnitTable[row].name, aiconv::kUnitDescriptions[row].words);
}

// {category: [(name, description), ...]} with categories in the order their
// first unit has in the table and each category's units in the table's
// order. Made anew each call: the caller may change what it gets.
PyObject* Units(PyObject* /*module*/, PyObject* /*unused*/) {
    PyObject* byCategory = PyDict_New();
    if (byCategory == nullptr) return nullptr;
    for (std::size_t row = 0; row < aiconv::kUnitCount; ++row) {
        const char* category = aiconv::CategoryName(aiconv::UnitTable[row].category);
        PyObject* units = PyDict_GetItemString(byCategory, category);  // borrowed
        if (units == nullptr) {
            units = PyList_New(0);
            const int stored = units != nullptr ? PyDict_SetItemString(byCategory, category, units) : -1;
            Py_XDECREF(units);  // the dict holds it now
            if (stored < 0) {
                Py_DECREF(byCategory);
                return nullptr;
            }
        }
        PyObject* entry = UnitEntry(row);
        const int appended = entry != nullptr ? PyList_Append(units, entry) : -1;
        Py_XDECREF(entry);
        if (appended < 0) {
            Py_DECREF(byCategory);
            return nullptr;
        }
    }
    return byCategory;
}

PyMethodDef Methods[] = {
    {"convert", Convert, METH_O,
     "convert(query, /)\n--\n\n"
     "The answer line for one query, as the library gives it: \"10 km to mi\"\n"
     "answers \"10 km -> 6.213712 mi\"; a query that is not converted answers a\n"
     "line that begins with \"ERROR: \". None answers \"ERROR: null input\"."},
    {"units", Units, METH_NOARGS,
     "units()\n--\n\n"
     "The unit table: a dict of category -> list of (name, description), in\n"
     "the table's order."},
    {nullptr, nullptr, 0, nullptr},
};

int Exec(PyObject* module) {
    return PyModule_AddStringConstant(module, "__version__", AICONVERTER_VERSION);
}

PyModuleDef_Slot Slots[] = {
    {Py_mod_exec, reinterpret_cast<void*>(Exec)},
    {0, nullptr},
};

PyModuleDef Definition = {
    PyModuleDef_HEAD_INIT,
    "aiconverter._aiconverter",
    "The engine's entries; import them from aiconverter.",
    0,  // no module state: the engine keeps none
    Methods,
    Slots,
    nullptr,
    nullptr,
    nullptr,
};

}  // namespace

PyMODINIT_FUNC PyInit__aiconverter() {
    return PyModuleDef_Init(&Definition);
}
