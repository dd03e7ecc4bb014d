# The Debian package: cpack --preset default makes one .deb with both programs, the engine tool
# and everything packaging/ installs. Dependencies on shared libraries are computed by
# dpkg-shlibdeps; the fonts and Qt's translations are named, since nothing links to them.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quenby)
set(CPACK_PACKAGE_VENDOR "Quenby maintainers")
set(CPACK_PACKAGE_CONTACT "Quenby maintainers <maintainers@users.noreply.c-seed-49c32143.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic for primary school: expression calculator and oral drill")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Two small desktop programs with a Simplified Chinese interface.\n"
  "quenby evaluates whole typed arithmetic expressions (numbers, the four\n"
  "operations, powers, roots, brackets, exp, ln, sin, cos and tan) and has\n"
  "windows for score statistics, oral-arithmetic practice and saved reports.\n"
  "tovrik is an oral-arithmetic drill for the lower grades: the multiplication\n"
  "table and addition and subtraction within 100 and 1000, with a face after\n"
  "every answer and a report at the end.\n"
  "The package also holds quenby-engine, the calculator's engine on standard\n"
  "input and output.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # quenby_1.0.0-1_amd64.deb
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/quenby/quenby")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-noto-cjk, fonts-arphic-ukai, fonts-arphic-uming, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
