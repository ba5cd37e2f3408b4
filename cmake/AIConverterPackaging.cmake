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
else()
  set(CPACK_GENERATOR TGZ)
endif()

include(CPack)
