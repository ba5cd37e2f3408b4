# cmake --install: the library and the framework stand-in it links against
# (component Runtime, with aiconvert), and what a program needs to build
# against the library (component Development): the header, import
# libraries, a CMake package and a pkg-config file.
include(CMakePackageConfigHelpers)

set(AICONV_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/AIConverter)

install(TARGETS aiconverter EXPORT AIConverterTargets
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS hostframework EXPORT AIConverterTargets
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
if(TARGET aiconvert)
  install(TARGETS aiconvert RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
  if(NOT WIN32)
    install(FILES ${PROJECT_BINARY_DIR}/aiconvert.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT Runtime)
  endif()
endif()
# The licence, README and changelog: beside the binaries in a Windows tree,
# with a note on using the DLL; in the documentation folder elsewhere.
if(WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md
      ${PROJECT_SOURCE_DIR}/packaging/README-windows.txt DESTINATION . COMPONENT Runtime)
else()
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/aiconverter
      RENAME copyright COMPONENT Runtime)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/CHANGELOG.md
      DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/aiconverter COMPONENT Runtime)
  install(FILES ${PROJECT_BINARY_DIR}/AIConverter.3 DESTINATION ${CMAKE_INSTALL_MANDIR}/man3
      COMPONENT Development)
endif()
# The MSVC import library and the export list it was made from.
if(TARGET aiconverter_msvc_import)
  install(FILES ${AICONV_MSVC_IMPORT_LIBRARY} ${PROJECT_SOURCE_DIR}/module/aiconverter.def
      DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/include/aiconverter.h ${PROJECT_BINARY_DIR}/generated/aiconverter_version.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT Development)

install(EXPORT AIConverterTargets NAMESPACE AIConverter:: DESTINATION ${AICONV_CMAKE_DIR}
    COMPONENT Development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/AIConverterConfig.cmake.in
    ${PROJECT_BINARY_DIR}/AIConverterConfig.cmake
    INSTALL_DESTINATION ${AICONV_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/AIConverterConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/AIConverterConfig.cmake
    ${PROJECT_BINARY_DIR}/AIConverterConfigVersion.cmake
    DESTINATION ${AICONV_CMAKE_DIR} COMPONENT Development)

# The .pc file names the prefix the tree is installed to, written when it is
# installed (cmake --install --prefix included), so that pkg-config sees
# /usr/include and /usr/lib/<triplet> as the system's and leaves them out.
# The archive CPack makes can be unpacked anywhere: its .pc finds the
# prefix from its own place instead.
set(AICONV_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH AICONV_PC_TO_PREFIX /prefix/${AICONV_PC_DIR} /prefix)
string(REGEX REPLACE "/$" "" AICONV_PC_TO_PREFIX "${AICONV_PC_TO_PREFIX}")  # no "//" in the paths
set(AICONV_PREFIX "@AICONV_PREFIX@")  # kept for the install-time pass
configure_file(${CMAKE_CURRENT_LIST_DIR}/aiconverter.pc.in ${PROJECT_BINARY_DIR}/aiconverter.pc.in @ONLY)
install(CODE "
  if(CMAKE_INSTALL_PREFIX MATCHES \"/_CPack_Packages/\")
    set(AICONV_PREFIX \"\\\${pcfiledir}/${AICONV_PC_TO_PREFIX}\")
  else()
    set(AICONV_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  endif()
  configure_file(\"${PROJECT_BINARY_DIR}/aiconverter.pc.in\" \"${PROJECT_BINARY_DIR}/aiconverter.pc\" @ONLY)
" COMPONENT Development)
install(FILES ${PROJECT_BINARY_DIR}/aiconverter.pc DESTINATION ${AICONV_PC_DIR}
    COMPONENT Development)
