// A call must never touch the heap, whatever the query. This executable
// defines malloc and its relatives itself; on ELF systems they take the
// place of the C library's for the whole process, the library included, and
// count what happens while a call runs.
#include <aiconverter.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {
bool counting = false;
long allocations = 0;

void Count() {
    if (counting) ++allocations;
}
}  // namespace

extern "C" {
void* malloc(std::size_t size) {
    Count();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    Count();
    return __libc_calloc(count, size);
}
void* realloc(void* pointer, std::size_t size) {
    Count();
    return __libc_realloc(pointer, size);
}
void* memalign(std::size_t alignment, std::size_t size) {
    Count();
    return __libc_memalign(alignment, size);
}
void* aligned_alloc(std::size_t alignment, std::size_t size) {
    Count();
    return __libc_memalign(alignment, size);
}
int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
    Count();
    *out = __libc_memalign(alignment, size);
    return *out != nullptr ? 0 : 12;  // ENOMEM
}
}

namespace {

long AllocationsDuring(const wchar_t* query) {
    allocations = 0;
    counting = true;
    const wchar_t* answer = AIConverter(query);
    counting = false;
    EXPECT_NE(answer, nullptr);
    return allocations;
}

TEST(NoAllocation, CountingSeesAnAllocation) {
    // The counter itself must work, or the test below proves nothing.
    allocations = 0;
    counting = true;
    std::string* text = new std::string(100, 'x');
    counting = false;
    delete text;
    EXPECT_GT(allocations, 0);
}

TEST(NoAllocation, NoCallAllocates) {
    AIConverter(L"1 m to cm");  // resolve lazy bindings first
    const std::wstring longQuery = L"5 m to cm " + std::wstring(4000000, L'x');
    const std::wstring longNumber = std::wstring(50, L'1') + L".5e300 m to km";
    const wchar_t* const queries[] = {
        L"10 km to mi", L"72 fahrenheit -> c", L"1 fl oz to ml", L"1 mi to nm", L"1 mm to km",
        L"1e999 m to km", L"1e-999 m to km", L"nan m to km", L"0x1p3 m to km", L"",
        L"10", L"10 km to parsec", L"1 m to kg", L"5 kg to \u00B5g", L"\u4E2D",
        longNumber.c_str(), longQuery.c_str(), nullptr,
    };
    for (const wchar_t* query : queries) {
        EXPECT_EQ(AllocationsDuring(query), 0) << (query ? std::wstring(query).substr(0, 40) : L"null").c_str();
    }
}

}  // namespace
