# `cpack -G DEB` in the build folder makes kvxedit_<version>_<arch>.deb from the install rules. The
# package's Depends are worked out by dpkg-shlibdeps from the libraries the programs really link.
set(CPACK_PACKAGE_NAME kvxedit)
set(CPACK_PACKAGE_VENDOR Quellor)
set(CPACK_PACKAGE_CONTACT "Quellor KVXEdit developers <kvxedit@quellor.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the channel databases of digital TV receivers")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quellor.org/kvxedit/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The summary is the description's first line; this text follows it.
set(CPACK_PACKAGE_DESCRIPTION
    "KVXEdit edits the channel database of a satellite-only or satellite and terrestrial
receiver: KVX files, and CKVX files whose body is LH5-compressed. It comes with
kvxtool, a command-line companion that prints databases as JSON and makes the
editor's changes from scripts.")
if(KVX_BUILD_GUI)
  # No library names the platform plugins, yet the editor cannot open a window without one.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  # The desktop entry, file types and icon are taken up by these packages' triggers; Qt's own
  # translations name the standard buttons and dialogs in the user's language.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
      "shared-mime-info, desktop-file-utils, hicolor-icon-theme, dtv-scan-tables, qt6-translations-l10n")
else()
  # The system's transponder lists, which the scan-table commands read.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "dtv-scan-tables")
endif()

include(CPack)
