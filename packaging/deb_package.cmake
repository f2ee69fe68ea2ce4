# The Debian packages: `cpack -G DEB` in a build configured with
# -DCMAKE_INSTALL_PREFIX=/usr. Libraries come from dpkg-shlibdeps; the rest of
# what the player needs at run time is named here.
#
# Two packages. vorn-player is the player, its programs and guides, on any
# machine a teacher or a student uses. vorn-player-exam-session is the locked
# exam session of a lab (packaging/session): a login session that runs the
# cage compositor, and with it Qt's Wayland platform and Xwayland (cage does
# not start without it). A machine that is no exam machine needs none of
# these, and a session at the login screen that is there without its
# compositor would fail there: the session and what it needs come together
# or not at all.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL player session)
set(CPACK_PACKAGE_NAME vorn-player)
set(CPACK_DEBIAN_PLAYER_PACKAGE_NAME vorn-player)
set(CPACK_DEBIAN_SESSION_PACKAGE_NAME vorn-player-exam-session)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT
  "Seed 7d3d15f8 maintainers <maintainers@users.noreply.c-seed-7d3d15f8.example>")
# Each package's first line is its own summary (no shared
# CPACK_PACKAGE_DESCRIPTION_SUMMARY, which CPack would put before both).
set(CPACK_DEBIAN_PLAYER_DESCRIPTION "player for closed multiple-choice tests
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
set(CPACK_DEBIAN_SESSION_DESCRIPTION "locked exam session for vorn-player
A login session for a school lab's exam machines: the display manager
(LightDM, GDM) offers it as the session VORN Exam. It runs the cage kiosk
compositor with only vorn-player on the whole screen, playing the exam that
/etc/vorn-player/exam.conf names. No other program, window or console can be
reached, and the window does not close before the test is graded or left by
the exam's rules; the session ends with the player.

The administrator's guide in /usr/share/doc/vorn-player tells how to set up
the exam account; network and USB are not locked by it (example nftables and
usbguard profiles are there too).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PLAYER_PACKAGE_SHLIBDEPS ON)
# The platform plugins to show a window; Liberation fonts for the layout's
# "Times New Roman" metrics; Qt's own Bulgarian texts; Qt's TIFF reader, a
# plugin that no program links, for scans of paper tests saved as TIFF (the
# libraries vorn-paper links, ZXing, Qt PDF and OpenCV, come from
# dpkg-shlibdeps like the rest).
set(CPACK_DEBIAN_PLAYER_PACKAGE_DEPENDS
  "qt6-qpa-plugins, fonts-liberation, qt6-translations-l10n, qt6-image-formats-plugins")
# A shell script and two text files: for every architecture. Its dependencies,
# the player of the same version among them, are set with the revision
# (deb_checks.cmake). polkitd: started by a display manager, cage asks logind
# to activate its session (libseat), which logind grants a user only through
# polkit; without it cage cannot open the screen and the session stays black.
set(CPACK_DEBIAN_SESSION_PACKAGE_ARCHITECTURE all)
set(CPACK_VORN_SESSION_NEEDS "cage, qt6-wayland, xwayland, polkitd")

# Checked by cpack itself: the changelog's latest entry gives the Debian
# revision and must be for this version; a Debian package lives under /usr.
set(CPACK_VORN_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/changelog)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/deb_checks.cmake)

include(CPack)
