/* A firmware that uses only the reentrant entry: its link map shows what
 * that costs in flash and that it takes no static RAM. */
#include <string.h>

#include "aiconverter_text.h"

int main(void) {
    char answer[AICONVERTER_TEXT_ANSWER_CAPACITY];
    const char query[] = "10 km to mi";
    const size_t length = AIConverterTextInto(query, sizeof query - 1, answer, sizeof answer);
    return length != 20 || strcmp(answer, "10 km -> 6.213712 mi") != 0;
}
