# `cpack -G DEB` in the build folder makes orrisday_<version>_<arch>.deb, which installs into /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orrisday)
set(CPACK_PACKAGE_VENDOR "The Orrisday developers")
set(CPACK_PACKAGE_CONTACT "The Orrisday developers <developers@orrisday.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://orrisday.org)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal organiser with reminders")
set(CPACK_PACKAGE_DESCRIPTION
  "Orrisday keeps one user's tasks, schedules, notes and contacts in one SQLite
file and reminds of them on time: an alert slides in, a sound plays and a
chosen program or document opens. The main window shows the day's agenda
beside a month calendar and an analogue clock. Calendar and contacts travel
to and from other organisers as iCalendar and vCard files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links are found by dpkg-shlibdeps; the Qt plugins it loads at run time
# (the SQLite driver, the SVG pictures and icons) are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6")
# WAV decoding for the reminder sounds; Qt's own display on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-good, qt6-wayland")
include(CPack)
