# The Debian package: cpack -G DEB in a build tree (./scripts/package).
if(NOT UNIX OR APPLE)
  return()
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "velmora")
set(CPACK_PACKAGE_VENDOR "Kelvarin")
set(CPACK_PACKAGE_CONTACT "Kelvarin <kelv@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Print recharge-card and note tickets on a receipt printer")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora prints prepaid recharge cards and short notes as tickets on a 58 mm receipt\n\
printer: code page 936 (GBK) text inside a fixed ESC/POS frame, written straight\n\
to the printer device chosen when the program was built.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The libraries the program links (Qt 6, ICU, the C++ runtime) come from
# dpkg-shlibdeps; what it cannot see is listed here: the Song face the
# window is drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming")
# The notice boxes' OK button in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
