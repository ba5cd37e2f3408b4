# CPack: a Debian package and a .tar.gz of the installed tree on Linux, a
# .zip on Windows. Every component goes into the one package.
set(CPACK_PACKAGE_NAME aiconverter)
set(CPACK_PACKAGE_VENDOR "the AIConverter authors")
set(CPACK_PACKAGE_CONTACT "the AIConverter authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB TGZ)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # aiconverter_<version>_<arch>.deb
  set(CPACK_DEBIAN_PACKAGE_SECTION libs)
  string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "Unit conversion library: one line of text in, one line out\n"
      "A host program hands it a query such as '10 km to mi' and gets one\n"
      "answer line back. The package holds the library, its framework\n"
      "stand-in, the header, CMake and pkg-config files and the aiconvert tool.")
  # Depends is read off the binaries; the package's own libraries are
  # found in the build tree.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
      ${PROJECT_BINARY_DIR}/module ${PROJECT_BINARY_DIR}/framework)
  # shlibs for the libraries, and the ldconfig trigger that comes with it.
  set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
endif()

include(CPack)
