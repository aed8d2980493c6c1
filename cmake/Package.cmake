# The Debian package, made by CPack from the installation (cmake/Install.cmake):
# `make package` at the top, or `cpack -G DEB` in a release build folder.
#
# Shared libraries the programs link are found by dpkg-shlibdeps. Three
# things it cannot see are declared by hand: libwmf and libfluidsynth, which
# the programs open on first use (pictures in WMF, MIDI), and the sound font
# FluidSynth plays MIDI with. GStreamer's plugins decode WAV and AVI for Qt
# Multimedia; without them a test still runs, silently.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quendra)
set(CPACK_PACKAGE_VENDOR "The Quendra developers")
set(CPACK_PACKAGE_CONTACT "The Quendra developers <quendra@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "authoring tool for multiple-choice tests")
set(CPACK_PACKAGE_DESCRIPTION
"Quendra lets a teacher write multiple-choice tests with formatted text,
pictures, sounds, music, video and web pages, design the screens around them,
take a test as a student would, and build a stand-alone test program and a
distribution folder for the students' machines. It reads back the results
files the test programs write.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quendra.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libwmf-0.2-7, libfluidsynth3")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fluid-soundfont-gm, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav, xdg-utils")
# Debian's shared-mime-info, desktop-file-utils and hicolor-icon-theme update
# their caches by trigger when the package's files arrive: no maintainer
# scripts are needed.

include(CPack)
