# Run by cpack before it makes the Debian package (CPACK_PROJECT_CONFIG_FILE).
if(CPACK_GENERATOR STREQUAL "DEB")
  file(STRINGS ${CPACK_VORN_CHANGELOG} latest LIMIT_COUNT 1)
  if(NOT latest MATCHES "^vorn-player \\(([^)]+)-([^)-]+)\\) ")
    message(FATAL_ERROR "${CPACK_VORN_CHANGELOG}: no version-revision on the first line")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL CPACK_PACKAGE_VERSION)
    message(FATAL_ERROR "${CPACK_VORN_CHANGELOG}: the latest entry is for ${CMAKE_MATCH_1}, "
      "the program is ${CPACK_PACKAGE_VERSION}: add an entry for it")
  endif()
  set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})
  set(CPACK_DEBIAN_SESSION_PACKAGE_DEPENDS
    "vorn-player (= ${CPACK_PACKAGE_VERSION}-${CMAKE_MATCH_2}), ${CPACK_VORN_SESSION_NEEDS}")
  if(NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
    message(FATAL_ERROR "a Debian package installs under /usr: configure the build with "
      "-DCMAKE_INSTALL_PREFIX=/usr")
  endif()
endif()
