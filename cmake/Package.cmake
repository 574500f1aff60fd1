# The Debian package: CPack stages what the install rules put under /usr and
# wraps it. scripts/package.sh runs it on the ordinary build, so packaging
# compiles nothing anew.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME inkharbor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Inkharbor developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_THREADS 2)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Inkharbor developers <support@inkharbor.app>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://inkharbor.app)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "copy text from anywhere on the screen")
# CPack puts the summary above this as the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Inkharbor lives in the system tray. A keyboard shortcut or its menu starts a
capture: drag a box over any part of any display, and the text inside is
recognised on this computer and put on the clipboard. A second mode reads QR
codes and barcodes.
.
It keeps a searchable history of captures, and offers a window to edit,
speak, translate or look up a text before copying it. Nothing leaves the
computer unless a web search is asked for.")

# The libraries come from the binaries themselves; the data they read at run
# time does not show there. English recognition, the voices and the
# dictionary are needed, and Qt's Wayland platform plugin (most desktops start
# Wayland sessions); translation pairs, more fonts (the scripts of the
# languages offered: Noto for most, Noto CJK for Chinese, Japanese and
# Korean), Qt's own texts in the desktop's language (the standard buttons),
# grim (the screen of wlroots desktops such as Sway) and the desktop portals
# (screen sharing and global shortcuts on Wayland desktops) make more of the
# program work.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "tesseract-ocr-eng, espeak-ng-data, wordnet-base, fonts-dejavu-core | fonts-noto-core, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "apertium, apertium-eng-spa, apertium-en-es, apertium-fr-es, fonts-noto-core, fonts-noto-cjk, fonts-noto-color-emoji, qt6-translations-l10n, grim, xdg-desktop-portal, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "tesseract-ocr-all")

include(CPack)
