# What `cmake --install` puts under the prefix: the cxcmap program, the module's shared library with
# the libraries it needs (platform, companions) and the data tooling a host loads folders with, the
# headers a host compiles against under include/cxcmap2d/, a CMake package (find_package(cxcmap2d))
# and a pkg-config file, the manual page, and the desktop entry with its icon. The test kit never.
include(CMakePackageConfigHelpers)

set(CXC_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/cxcmap2d)
set(CXC_SHIPPED_LIBRARIES cxcplatform cxccompanions cxcdata cxcmap2d)
foreach(lib IN LISTS CXC_SHIPPED_LIBRARIES)
  set_target_properties(${lib} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  target_include_directories(${lib} INTERFACE $<INSTALL_INTERFACE:${CXC_INSTALL_INCLUDEDIR}>)
endforeach()

# The facade's header and what it includes, the companion interfaces and the data tooling's.
file(GLOB CXC_PUBLIC_HEADERS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/platform/include/*.h ${CMAKE_SOURCE_DIR}/companions/*.h)
list(APPEND CXC_PUBLIC_HEADERS
  ${CMAKE_SOURCE_DIR}/base/cxcclass.h ${CMAKE_SOURCE_DIR}/resources/resource.h
  ${CMAKE_SOURCE_DIR}/data/datafolder.h ${CMAKE_SOURCE_DIR}/data/demodata.h ${CMAKE_SOURCE_DIR}/data/fieldtrip.h
  ${CMAKE_SOURCE_DIR}/base/modulebase.h ${CMAKE_SOURCE_DIR}/dialogs/linkreport.h
  ${CMAKE_SOURCE_DIR}/facade/cxcmap2d.h ${CMAKE_SOURCE_DIR}/facade/cxcmodule.h
  ${CMAKE_SOURCE_DIR}/facade/contourview.h ${CMAKE_SOURCE_DIR}/facade/showtable.h)
foreach(h megdrawccdata03base megdrawccdata06overlay megdrawccdata07mcolumns megdrawccdata08operation
          megdrawccdata09file megdrawccdataqz)
  list(APPEND CXC_PUBLIC_HEADERS ${CMAKE_SOURCE_DIR}/drawer/${h}.h)
endforeach()
foreach(h megshowccdata2dface megshowccdata2dface04meg megshowccdata2dface06eeg megshowccdata2dface08showall
          megshowccdata2dface09file megshowccdata2dfaceqz)
  list(APPEND CXC_PUBLIC_HEADERS ${CMAKE_SOURCE_DIR}/facade/${h}.h)
endforeach()
install(FILES ${CXC_PUBLIC_HEADERS} DESTINATION ${CXC_INSTALL_INCLUDEDIR} COMPONENT development)

install(TARGETS ${CXC_SHIPPED_LIBRARIES} EXPORT cxcmap2dTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development)
install(TARGETS cxcmap RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)

set(CXC_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/cxcmap2d)
install(EXPORT cxcmap2dTargets NAMESPACE cxcmap2d:: DESTINATION ${CXC_CMAKE_DIR} COMPONENT development)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/cxcmap2dConfig.cmake.in
  ${CMAKE_BINARY_DIR}/cxcmap2dConfig.cmake INSTALL_DESTINATION ${CXC_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/cxcmap2dConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/cxcmap2dConfig.cmake ${CMAKE_BINARY_DIR}/cxcmap2dConfigVersion.cmake
  DESTINATION ${CXC_CMAKE_DIR} COMPONENT development)

# The prefix is worked out from where the file stands, so the same file serves any prefix (and the
# package's /usr).
file(RELATIVE_PATH CXC_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
configure_file(${CMAKE_SOURCE_DIR}/cmake/cxcmap2d.pc.in ${CMAKE_BINARY_DIR}/cxcmap2d.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/cxcmap2d.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)

# The manual page is written from the program's own --help texts, so it cannot drift from them.
find_program(CXC_HELP2MAN help2man)
if(CXC_HELP2MAN)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/cxcmap.1
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            bash ${CMAKE_SOURCE_DIR}/packaging/manpage.sh $<TARGET_FILE:cxcmap> ${CMAKE_BINARY_DIR}/cxcmap.1
    DEPENDS cxcmap ${CMAKE_SOURCE_DIR}/packaging/manpage.sh
    COMMENT "Writing the manual page from cxcmap --help")
  add_custom_target(cxcmap_manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/cxcmap.1)
  install(FILES ${CMAKE_BINARY_DIR}/cxcmap.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT runtime)
else()
  message(STATUS "help2man not found: no manual page")
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/cxcmap.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
  COMPONENT runtime)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/cxcmap.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT runtime)

# cpack -G DEB: cxcmap_<version>_amd64.deb with all of the above; its Depends come from the shared
# libraries the files link, plus what is loaded at run time (Qt's platform plugins, the fonts).
set(CPACK_PACKAGE_NAME cxcmap)
set(CPACK_PACKAGE_VENDOR "cxcmap developers")
set(CPACK_PACKAGE_CONTACT "cxcmap developers <cxcmap@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "coupling maps of MEG and EEG recordings: library, viewer and headless renderer")
set(CPACK_PACKAGE_DESCRIPTION "Shows channel-by-channel coupling data of MEG and EEG recordings: sensor link maps with a small-world graph report, waveform patch maps, interpolated field and contour maps, a row/column viewer and a matrix viewer. Includes the cxcmap program, the shared library with its headers, CMake and pkg-config files.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
