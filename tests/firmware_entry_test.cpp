// The firmware's 8-bit entries on the host: what they read of a query, how
// they fill a caller's buffer, and calls from several threads at once.
#include "aiconverter_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "reference.h"

namespace {

using aiconv_test::Answer;

// A query of `size` bytes with no NUL after it, alone in a heap block so
// that AddressSanitizer reports a read past it: "1 m to", blanks, and "yd"
// in the last two of the first 999 bytes (only "y" in a 998-byte block),
// then more blanks.
std::unique_ptr<char[]> Unterminated(std::size_t size) {
    std::unique_ptr<char[]> block(new char[size]);
    std::memset(block.get(), ' ', size);
    std::memcpy(block.get(), "1 m to", 6);
    const std::size_t at = AICONVERTER_TEXT_QUERY_LIMIT - 2;
    std::memcpy(block.get() + at, "yd", size - at < 2 ? size - at : 2);
    return block;
}

TEST(FirmwareEntry, ReadsAtMostTheQueryLimit) {
    for (std::size_t size = AICONVERTER_TEXT_QUERY_LIMIT - 1; size <= AICONVERTER_TEXT_QUERY_LIMIT + 2; ++size) {
        const auto query = Unterminated(size);
        // The 999th byte ends "yd"; a shorter query ends in "y", no unit.
        const std::string expected = size >= AICONVERTER_TEXT_QUERY_LIMIT ? "1 m -> 1.093613 yd"
                                                                          : "ERROR: could not parse units or arrow";
        char answer[AICONVERTER_TEXT_ANSWER_CAPACITY];
        EXPECT_EQ(AIConverterTextInto(query.get(), size, answer, sizeof answer), expected.size()) << size;
        EXPECT_EQ(answer, expected) << size;
        // The NUL-terminated form may be handed any buffer that holds the limit.
        if (size >= AICONVERTER_TEXT_QUERY_LIMIT) {
            EXPECT_EQ(AIConverterText(query.get()), expected) << size;
        }
    }
}

TEST(FirmwareEntry, FillsTheCallersBufferAsSnprintfDoes) {
    const std::string whole = "10 km -> 6.213712 mi";
    const char query[] = "10 km to mi";
    EXPECT_EQ(AIConverterTextInto(query, sizeof query - 1, nullptr, 0), whole.size());
    for (std::size_t capacity : {std::size_t{1}, std::size_t{6}, whole.size(), whole.size() + 1, std::size_t{300}}) {
        std::vector<char> answer(capacity + 1, 'x');
        EXPECT_EQ(AIConverterTextInto(query, sizeof query - 1, answer.data(), capacity), whole.size());
        EXPECT_EQ(answer.data(), whole.substr(0, capacity - 1)) << capacity;
        const std::size_t end = std::min(capacity, whole.size() + 1);
        EXPECT_EQ(std::string(answer.begin() + end, answer.end()), std::string(capacity + 1 - end, 'x'))
            << "written past the answer's NUL at capacity " << capacity;
    }
    // One buffer for the query and its answer.
    for (std::size_t capacity : {whole.size() + 1, std::size_t{300}}) {
        std::vector<char> shared(capacity, 'x');
        std::memcpy(shared.data(), query, sizeof query);
        EXPECT_EQ(AIConverterTextInto(shared.data(), sizeof query - 1, shared.data(), capacity), whole.size());
        EXPECT_EQ(shared.data(), whole) << capacity;
    }
    char answer[AICONVERTER_TEXT_ANSWER_CAPACITY];
    EXPECT_EQ(AIConverterTextInto(nullptr, 5, answer, sizeof answer), 17u);
    EXPECT_STREQ(answer, "ERROR: null input");
    EXPECT_STREQ(AIConverterText(nullptr), "ERROR: null input");
}

// Each thread converts every query into its own buffer, many times over,
// while the others do the same; every answer must be the one given alone.
TEST(FirmwareEntry, ThreadsEachWithTheirOwnBuffer) {
    const char* const queries[] = {"10 km to mi", "72 fahrenheit -> c", "1e-320 m to km", "5 kg to m",
                                   "123456789.123456789 mm to km", "1 fl oz to ml", "x", "-459.67 f to k"};
    std::vector<std::string> expected;
    for (const char* query : queries) expected.push_back(Answer(query));
    std::vector<int> wrong(4, 0);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < wrong.size(); ++t) {
        threads.emplace_back([&, t] {
            char answer[AICONVERTER_TEXT_ANSWER_CAPACITY];
            for (int round = 0; round < 2000; ++round) {
                const std::size_t i = (round + t) % expected.size();
                AIConverterTextInto(queries[i], std::strlen(queries[i]), answer, sizeof answer);
                wrong[t] += expected[i] != answer;
            }
        });
    }
    for (auto& thread : threads) thread.join();
    for (std::size_t t = 0; t < wrong.size(); ++t) EXPECT_EQ(wrong[t], 0) << "thread " << t;
}

}  // namespace
