# CPack: a .tar.gz of the installed tree on Linux, a .zip on Windows. Every
# component goes into the one archive.
set(CPACK_PACKAGE_NAME aiconverter)
set(CPACK_PACKAGE_VENDOR "the AIConverter authors")
set(CPACK_PACKAGE_CONTACT "AIConverter maintainers <maintainers@aiconverter.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)

# The Debian packages are built by packaging/build-deb with debhelper, which
# splits them as Debian splits a library and gives what its policy asks for
# (ldconfig trigger, changelog, compressed manual pages, stripped sections).
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  # win64 and win32 name x64 and x86; the ARM archives say their processor.
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "ARM64")
    set(CPACK_SYSTEM_NAME win-arm64)
  elseif(CMAKE_SYSTEM_PROCESSOR STREQUAL "ARM")
    set(CPACK_SYSTEM_NAME win-armv7)
  endif()
else()
  set(CPACK_GENERATOR TGZ)
endif()

include(CPack)
