# Writes a C file that holds a file's bytes as an array, for a program
# without a file system. -DINPUT=file -DOUTPUT=file.c -DNAME=symbol
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "/* Generated from ${INPUT}; do not edit. */\n#include <stddef.h>\n"
    "extern const unsigned char ${NAME}[];\nextern const size_t ${NAME}Size;\n"
    "const unsigned char ${NAME}[] = {\n${bytes}0};\nconst size_t ${NAME}Size = ${size};\n")
