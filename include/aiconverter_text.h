/* AIConverter for firmware: the same conversion as AIConverter, over 8-bit
 * text, for systems without wide text or a loader (microcontrollers). This
 * header compiles as C and C++; link the static library aiconverter_firmware
 * (CMake target AIConverter::firmware).
 *
 * AIConverterText converts a NUL-terminated query in the 8-bit code page
 * (Windows-1252 text, or ASCII) such as "10 km to mi" and returns the answer
 * line, such as "10 km -> 6.213712 mi", or one that begins with "ERROR: ",
 * as AIConverter answers (see aiconverter.h): a null query answers
 * "ERROR: null input"; only the first AICONVERTER_TEXT_QUERY_LIMIT bytes
 * are read. The answer is ASCII, at most AICONVERTER_TEXT_ANSWER_CAPACITY
 * bytes with its NUL, and stays valid and unchanged until the next call;
 * calls must not overlap (one caller at a time, not from an interrupt that
 * may preempt another call). Never returns null; never allocates. */
#ifndef AICONVERTER_TEXT_H
#define AICONVERTER_TEXT_H

#define AICONVERTER_TEXT_QUERY_LIMIT 999
#define AICONVERTER_TEXT_ANSWER_CAPACITY 256

#ifdef __cplusplus
extern "C" {
#endif

const char* AIConverterText(const char* query);

#ifdef __cplusplus
}
#endif

#endif /* AICONVERTER_TEXT_H */
