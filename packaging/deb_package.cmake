# The Debian package: `cpack -G DEB` in a build configured with
# -DCMAKE_INSTALL_PREFIX=/usr. Libraries come from dpkg-shlibdeps; the rest of
# what the player needs at run time is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorn-player)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT
  "Seed 7d3d15f8 maintainers <maintainers@users.noreply.c-seed-7d3d15f8.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player for closed multiple-choice tests")
set(CPACK_PACKAGE_DESCRIPTION "\
vorn-player shows a test one question at a time, each with two to five
options of which one is right, an optional picture and a worked explanation.
The examinee moves between the questions, answers and grades the test; a
review then marks the answers right or wrong and shows the explanations.

It plays a geometry test compiled into it, or a teacher's own question bank:
a file in its JSON format (*.vorn.json) or in Moodle's GIFT format (*.gift).
A checker reports a bank's errors and warnings with their line.

A bank can also be printed as paper variants with answer sheets and a key;
the scanned sheets are marked into the same results and report. The user
interface is Bulgarian.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The platform plugins to show a window; Liberation fonts for the layout's
# "Times New Roman" metrics; Qt's own Bulgarian texts; Qt's TIFF reader, a
# plugin that no program links, for scans of paper tests saved as TIFF (the
# libraries vorn-paper links, ZXing, Qt PDF and OpenCV, come from
# dpkg-shlibdeps like the rest).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, fonts-liberation, qt6-translations-l10n, qt6-image-formats-plugins")

# Checked by cpack itself: the changelog's latest entry gives the Debian
# revision and must be for this version; a Debian package lives under /usr.
set(CPACK_VORN_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/changelog)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/deb_checks.cmake)

include(CPack)
