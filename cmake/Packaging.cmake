# The Debian package: `cpack -G DEB` in a configured and built build folder writes
# tvportal_<version>_<arch>.deb, which installs the files of cmake/Install.cmake below /usr.
#
# Building for another directory address: the portal reads its channel directory from one fixed
# address compiled in from the cache variable TV_DIRECTORY_ADDRESS (default
# http://127.0.0.1:8173/directory.htm, the sample server of scripts/serve-demo). To package a portal
# for your own page, configure a separate build folder with it and package from there:
#
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
#         -DTV_DIRECTORY_ADDRESS=http://tv.example.org/directory.htm
#   ninja -C build-release tvportal tvdir
#   (cd build-release && cpack -G DEB)
#
# The address must be an http:// or https:// address serving a GBK page (docs/DIRECTORY.md).
# Changing it later needs a rebuild; an installed program cannot be pointed elsewhere.

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tvportal")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Network TV portal developers")
set(CPACK_PACKAGE_CONTACT "Network TV portal maintainers <maintainers@tvportal.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop portal for watching television over the network")
set(CPACK_PACKAGE_DESCRIPTION
    "One window with an embedded browser that plays the chosen channel, channel buttons and a\n"
    "popup of satellite channels, a clock and a calendar with the Chinese lunar date. Channel\n"
    "addresses, links and notices come from a directory page on the web that its maintainer\n"
    "edits. The tvdir tool shows and checks such a page before it is published.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES TRUE)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "video")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Debian 12 runtime packages: the libraries the programs link (the C and C++ runtime with the
# minimum versions dpkg-shlibdeps derives from the binaries), the fonts the window definitions
# name (through the alias file in assets/fonts), and the GStreamer plugins that let the embedded
# browser play WebM, HLS, H.264 and AAC streams of player pages. Every other library the programs
# load comes in with these; tests/install/check-contents verifies that.
set(TV_DEBIAN_RUNTIME_DEPENDS
    "libc6 (>= 2.34)"
    "libstdc++6 (>= 11)"
    libgtkmm-3.0-1v5
    libwebkit2gtk-4.1-0
    libcurl4
    libjpeg62-turbo
    libglib2.0-0
    fonts-arphic-uming
    fonts-arphic-ukai
    fonts-dejavu-core
    gstreamer1.0-plugins-good
    gstreamer1.0-plugins-bad
    gstreamer1.0-libav)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS ${TV_DEBIAN_RUNTIME_DEPENDS})

include(CPack)
