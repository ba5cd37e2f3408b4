# Shared part of the Windows toolchains built with Debian's LLVM (clang, lld,
# llvm-dlltool, llvm-windres) for the ARM processors, which MinGW-w64's GCC
# does not build for. Nothing of a C or C++ runtime exists for them here:
# programs link the system's DLLs through import libraries made from
# windows-imports/*.def, and builds take AICONV_CXX_RUNTIME=OFF (no
# GoogleTest, no aiconvert). Set before including: AICONV_WINDOWS_TRIPLE
# (clang's target), AICONV_DLLTOOL_MACHINE (llvm-dlltool's -m), and
# AICONV_WINE_ARCH (the Debian architecture whose Wine runs the tests).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET ${AICONV_WINDOWS_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${AICONV_WINDOWS_TRIPLE})
# The compiler checks compile and do not link: there is no C runtime to link.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

# Headers: clang's own, the C++ library's freestanding headers (MinGW-w64
# GCC's, which the engine's few <c...> headers take from) and MinGW-w64's C
# and Windows headers, which serve every processor.
execute_process(COMMAND ${CMAKE_C_COMPILER} -print-resource-dir
                OUTPUT_VARIABLE clang_resources OUTPUT_STRIP_TRAILING_WHITESPACE)
set(mingw_headers /usr/share/mingw-w64/include)
file(GLOB cxx_headers /usr/lib/gcc/x86_64-w64-mingw32/*-posix/include/c++)
list(GET cxx_headers 0 cxx_headers)
if(NOT EXISTS ${mingw_headers}/windows.h OR NOT EXISTS ${cxx_headers}/cstddef)
  message(FATAL_ERROR "the Windows headers come from Debian's mingw-w64-common and g++-mingw-w64-x86-64-posix")
endif()
set(CMAKE_C_FLAGS_INIT "-nostdinc -isystem ${clang_resources}/include -isystem ${mingw_headers}")
set(CMAKE_CXX_FLAGS_INIT "-nostdinc -isystem ${cxx_headers} -isystem ${cxx_headers}/x86_64-w64-mingw32 -isystem ${clang_resources}/include -isystem ${mingw_headers}")
set(CMAKE_RC_COMPILER llvm-windres-14)
set(CMAKE_RC_FLAGS_INIT "--target=${AICONV_WINDRES_TARGET} --preprocessor-arg=--target=${AICONV_WINDOWS_TRIPLE} -I${mingw_headers}")
set(AICONV_WIDL x86_64-w64-mingw32-widl)
set(AICONV_DLLTOOL llvm-dlltool-14)
# GNU binutils read no ARM PE files: LLVM's tools archive, strip and read
# them, for the build and for the checks.
set(CMAKE_AR llvm-ar-14)
set(CMAKE_RANLIB llvm-ranlib-14)
set(CMAKE_NM llvm-nm-14)
set(CMAKE_STRIP llvm-strip-14)
set(CMAKE_OBJDUMP llvm-objdump-14)
set(AICONV_READOBJ llvm-readobj-14)

# The system's DLLs, linked through import libraries made once a build tree.
set(imports ${CMAKE_BINARY_DIR}/windows-imports)
foreach(dll kernel32 msvcrt)
  set(def ${CMAKE_CURRENT_LIST_DIR}/windows-imports/${dll}.def)
  if(NOT EXISTS ${imports}/lib${dll}.a OR ${def} IS_NEWER_THAN ${imports}/lib${dll}.a)
    file(MAKE_DIRECTORY ${imports})
    execute_process(COMMAND ${AICONV_DLLTOOL} -m ${AICONV_DLLTOOL_MACHINE} -d ${def} -l ${imports}/lib${dll}.a
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "llvm-dlltool could not make the ${dll} import library")
    endif()
  endif()
endforeach()
foreach(lang C CXX)
  set(CMAKE_${lang}_STANDARD_LIBRARIES "${imports}/libkernel32.a ${imports}/libmsvcrt.a")
endforeach()
# (The compile flags reach the link too, where -nostdinc means nothing.)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -nostdlib -Wno-unused-command-line-argument")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-fuse-ld=lld -nostdlib -Wno-unused-command-line-argument")
set(AICONV_CXX_RUNTIME OFF CACHE BOOL "")

# Tests run under Debian's Wine for that processor, through qemu-user, from
# a sysroot that cmake/wine-sysroot.sh makes beside the build folders
# (build/wine-arm64, shared by the presets).
get_filename_component(wine_dir ${CMAKE_BINARY_DIR}/../wine-${AICONV_WINE_ARCH} ABSOLUTE)
set(AICONV_WINE_DIR ${wine_dir} CACHE PATH "Where cmake/wine-sysroot.sh put Wine for ${AICONV_WINE_ARCH}")
set(CMAKE_CROSSCOMPILING_EMULATOR ${AICONV_WINE_DIR}/run-wine)
