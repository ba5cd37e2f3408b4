/* The Windows tests where no C or C++ runtime exists (Windows on ARM built
 * with LLVM): a host with its own entry that calls only kernel32, loads the
 * DLL as a host does and checks what the C++ suites check elsewhere. The
 * test to run is named by AICONV_HOST_TEST:
 *   golden      every row of the golden set (AICONV_GOLDEN: its path)
 *   lifecycle   load and unload register and unregister with the framework
 *   code-page   the code-page cases, under the ANSI code page that
 *               AICONV_ANSI_CODE_PAGE names (skipped, saying why, when
 *               AICONV_CODE_PAGE_SKIP gives a reason), and the 999-byte limit
 * It prints each failure and "N passed, N failed"; the exit status is 0
 * when none failed. */
#include <windows.h>

#include "aiconverter.h"
#include "code_page_cases.h"
#include "hostframework_testing.h"

typedef const wchar_t* (*Entry)(const wchar_t*);

static HANDLE Output;
static int Passed, Failed;

static void Write(const char* text, int length) {
    DWORD written = 0;
    if (length < 0) length = lstrlenA(text);
    WriteFile(Output, text, (DWORD)length, &written, NULL);
}

/* Writes wide text as UTF-8. */
static void WriteWide(const wchar_t* text) {
    char bytes[4 * AICONVERTER_ANSWER_CAPACITY];
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, NULL, NULL);
    if (length > 1) Write(bytes, length - 1);
}

static void WriteNumber(int value) {
    char digits[12];
    int at = sizeof digits;
    do {
        digits[--at] = (char)('0' + value % 10);
        value /= 10;
    } while (value > 0);
    Write(digits + at, (int)sizeof digits - at);
}

static int Same(const wchar_t* a, const wchar_t* b) {
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

/* Counts one check; a failed one is printed with what it was about. */
static void Check(int ok, const char* what) {
    if (ok) {
        ++Passed;
        return;
    }
    ++Failed;
    Write("FAILED: ", -1);
    Write(what, -1);
    Write("\n", 1);
}

static void CheckAnswer(Entry convert, const wchar_t* query, const wchar_t* expected) {
    const wchar_t* answer = convert(query);
    if (Same(answer, expected)) {
        ++Passed;
        return;
    }
    ++Failed;
    Write("FAILED: \"", -1);
    WriteWide(query);
    Write("\" answered \"", -1);
    WriteWide(answer);
    Write("\", expected \"", -1);
    WriteWide(expected);
    Write("\"\n", 2);
}

static HMODULE Load(void) { return LoadLibraryW(L"aiconverter.dll"); }

static Entry Lookup(HMODULE module) {
    union {
        FARPROC address;
        Entry entry;
    } found;
    found.address = GetProcAddress(module, "AIConverter");
    return found.entry;
}

/* The golden set: "query<TAB>answer" lines in UTF-8; its queries run past
 * the query limit, to show the cut. */
static char Golden[1 << 20];
static wchar_t Query[1 << 16], Answer[AICONVERTER_ANSWER_CAPACITY];

static void TestGolden(Entry convert) {
    char path[MAX_PATH];
    DWORD size = 0;
    HANDLE file = INVALID_HANDLE_VALUE;
    char* line;
    char* end;
    int rows = 0;
    if (GetEnvironmentVariableA("AICONV_GOLDEN", path, sizeof path) - 1u < sizeof path - 1u)
        file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    Check(file != INVALID_HANDLE_VALUE, "the golden set (AICONV_GOLDEN) opens");
    if (file == INVALID_HANDLE_VALUE) return;
    Check(ReadFile(file, Golden, sizeof Golden - 1, &size, NULL) && size < sizeof Golden - 1,
          "the golden set is read whole");
    CloseHandle(file);
    Golden[size] = '\0';
    for (line = Golden; *line != '\0'; line = *end == '\n' ? end + 1 : end) {
        char* tab = line;
        while (*tab != '\t' && *tab != '\n' && *tab != '\0') ++tab;
        end = tab;
        while (*end != '\n' && *end != '\0') ++end;
        if (*tab != '\t') continue;
        Query[MultiByteToWideChar(CP_UTF8, 0, line, (int)(tab - line), Query, sizeof Query / sizeof *Query - 1)] = 0;
        Answer[MultiByteToWideChar(CP_UTF8, 0, tab + 1, (int)(end - tab - 1), Answer, AICONVERTER_ANSWER_CAPACITY - 1)] =
            0;
        CheckAnswer(convert, Query, Answer);
        ++rows;
    }
    Check(rows >= 2000, "the golden set has its rows");
    Write("golden set: ", -1);
    WriteNumber(rows);
    Write(" rows\n", -1);
}

static void TestLifecycle(void) {
    int resources = 0, classes = 0;
    FwModuleState* state = FwGetModuleState();
    HMODULE module;
    Check(FwRegisteredModuleCount() == 0 && FwLibraryCount() == 0, "nothing is registered before the load");

    /* The load takes over the framework's pending state, registers the
     * module and links its library record; the unload removes both. */
    state->resources.pending = &resources;
    state->classes.pending = &classes;
    module = Load();
    Check(module != NULL, "the DLL loads");
    if (module == NULL) return;
    Check(state->resources.current == &resources && state->resources.pending == NULL &&
              state->classes.current == &classes && state->classes.pending == NULL,
          "the load moves the pending framework state");
    Check(FwRegisteredModuleCount() == 1 && FwRegisteredModule(0)->initialized == 1 &&
              FwRegisteredModule(0)->instance == (void*)module,
          "the load registers the module with its instance");
    Check(FwLibraryCount() == 1 && FwLibraryModule(0) == FwRegisteredModule(0), "the load links a library record");
    CheckAnswer(Lookup(module), L"10 km to mi", L"10 km -> 6.213712 mi");
    Check(FreeLibrary(module) != 0, "the DLL unloads");
    Check(FwRegisteredModuleCount() == 0 && FwLibraryCount() == 0, "the unload unregisters the module and its record");
    Check(state->resources.current == &resources, "the unload leaves the state as the load left it");
    state->resources.current = state->classes.current = NULL;

    /* A framework that refuses the module fails the load. */
    FwSetRefuseInit(1);
    module = Load();
    Check(module == NULL && FwRegisteredModuleCount() == 0, "a refused initialisation fails the load");
    if (module != NULL) FreeLibrary(module);
    FwSetRefuseInit(0);

    /* Without memory for the record the load still succeeds. */
    FwSetFailAllocation(1);
    module = Load();
    Check(module != NULL && FwRegisteredModuleCount() == 1 && FwLibraryCount() == 0,
          "the load succeeds without a library record");
    if (module != NULL) FreeLibrary(module);
    FwSetFailAllocation(0);
    Check(FwRegisteredModuleCount() == 0, "nothing stays registered");
}

static wchar_t Long[2100];

static void TestCodePages(Entry convert) {
    char page[16], reason[256];
    unsigned wanted = 0, i;
    const DWORD length = GetEnvironmentVariableA("AICONV_ANSI_CODE_PAGE", page, sizeof page);
    if (GetEnvironmentVariableA("AICONV_CODE_PAGE_SKIP", reason, sizeof reason) > 0) {
        Write("[  SKIPPED ] ", -1);
        Write(reason, -1);
        Write("\n", 1);
        ExitProcess(0);
    }
    for (i = 0; i < length && i < sizeof page; ++i) wanted = wanted * 10 + (unsigned)(page[i] - '0');
    Check(length == 0 || GetACP() == wanted, "the locale gives the ANSI code page asked for");
    for (i = 0; i < sizeof kCodePageCases / sizeof kCodePageCases[0]; ++i)
        CheckAnswer(convert, kCodePageCases[i].query, kCodePageCases[i].answer);

    /* 6 + 991 + 2 = 999 bytes: read whole; one more and the target is cut
     * to "c". The query is narrowed in rounds: the cut falls inside one. */
    for (i = 0; i < 2000; ++i) Long[i] = L' ';
    Long[0] = L'1', Long[2] = L'm', Long[4] = L't', Long[5] = L'o';
    Long[997] = L'c', Long[998] = L'm', Long[999] = 0;
    CheckAnswer(convert, Long, L"1 m -> 100 cm");
    Long[997] = L' ', Long[998] = L'c', Long[999] = L'm', Long[1000] = 0;
    CheckAnswer(convert, Long, L"ERROR: incompatible units (length vs temperature)");
    Long[2] = Long[4] = Long[5] = Long[998] = Long[999] = L' ';
    Long[0] = L'5', Long[2000] = L'm', Long[2001] = 0;
    CheckAnswer(convert, Long, L"ERROR: missing unit");
}

void Start(void) {
    char test[16] = "";
    HMODULE module;
    Output = GetStdHandle(STD_OUTPUT_HANDLE);
    GetEnvironmentVariableA("AICONV_HOST_TEST", test, sizeof test);
    if (lstrcmpA(test, "lifecycle") == 0) {
        TestLifecycle();
    } else {
        module = Load();
        Check(module != NULL, "the DLL loads");
        if (module != NULL) {
            if (lstrcmpA(test, "golden") == 0) {
                TestGolden(Lookup(module));
            } else if (lstrcmpA(test, "code-page") == 0) {
                TestCodePages(Lookup(module));
            } else {
                Check(0, "AICONV_HOST_TEST names golden, lifecycle or code-page");
            }
            FreeLibrary(module);
        }
    }
    WriteNumber(Passed);
    Write(" passed, ", -1);
    WriteNumber(Failed);
    Write(" failed\n", -1);
    ExitProcess(Failed == 0 && Passed > 0 ? 0 : 1);
}
