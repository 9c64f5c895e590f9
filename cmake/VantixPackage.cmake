# cmake --build build/release --target package: one Debian package of
# everything cmake --install lays out, installed under /usr. Its dependencies
# come from the shared libraries the programs link (dpkg-shlibdeps); Wine,
# which makes an image a real Windows, is a recommendation.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Vantix developers <support@vantix.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "system-tuning suite for Windows 95, 98 and NT 4 machine images")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Vantix tunes the Windows of a machine image in Wine's prefix layout: a shell\n with sidebar, Control Panel applets, hidden functions, tools and utilities,\n configuration modules for the registry, drives, boot options and taskbar,\n the command line vantix-cli and the library liblindrel32.so.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps finds our own library in the package being built.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wine, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vantix.example.org/)
set(CPACK_STRIP_FILES ON)
include(CPack)
