# The Debian package (scripts/package): cpack -G DEB on a build tree. Dependencies come from
# dpkg-shlibdeps; binaries are stripped.
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_CONTACT "quorvane@example.org")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quorvane.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Double-colour-ball draw analysis and ticket reduction (双色球分析与缩水)")
set(CPACK_PACKAGE_DESCRIPTION "Keeps the double-colour-ball draw history, shows trend charts and statistics,
reduces the possible red sets with filter conditions and recommends numbers.
Simplified-Chinese desktop program and the command-line program quorvane-cli.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Qt's Chinese texts for its own dialogs; the program reads right without them too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk")
# gzip keeps the package build short; the package is small either way.
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)
