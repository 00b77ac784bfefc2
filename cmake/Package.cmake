# The Debian package: `cpack -G DEB` in the build folder packs the install
# rules above into package/orvyn-vantor_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGE_NAME orvyn-vantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Orvyn)
set(CPACK_PACKAGE_CONTACT "Orvyn Vantor Team <vantor@orvyn.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration suite for the Orvyn Vantor gaming keyboard")
set(CPACK_PACKAGE_DESCRIPTION
    "The resident Monitor (orvyn-vantor-monitor) holds the keyboard, runs the\n\
programs and media functions of its keys and switches profiles for games;\n\
Option (orvyn-vantor) is the configuration window, vantorctl the same\n\
configuration from a shell. The keyboard emulator kbsim, for trying the\n\
suite without the keyboard, is in /usr/lib/orvyn-vantor/.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://orvyn.example/vantor)
# Dependencies from the programs' and modules' shared libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# The fonts the skins are drawn for are read at run time, not linked;
# Chinese and Japanese texts take their glyphs from WenQuanYi Micro Hei.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-wqy-microhei")
# Absolute destinations (/etc/xdg/autostart, /usr/lib/udev/rules.d) land in
# the package, not on the build machine.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# Files under /etc are the administrator's once installed. The maintainer
# scripts apply the udev rule to a keyboard already plugged in (and stand in
# for the ldconfig calls CPack would add for the modules, which live in the
# program folder, not in a library folder).
file(WRITE ${CMAKE_BINARY_DIR}/package/conffiles "${ORVYN_AUTOSTART_DIR}/orvyn-vantor-monitor.desktop\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/package/conffiles
    ${CMAKE_SOURCE_DIR}/resources/debian/postinst ${CMAKE_SOURCE_DIR}/resources/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The copyright file and changelog every package carries (a native
# package: changelog.gz).
set(ORVYN_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/orvyn-vantor)
configure_file(${CMAKE_SOURCE_DIR}/resources/debian/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/package/changelog.gz
  COMMAND gzip -9 -n -f -k ${CMAKE_BINARY_DIR}/package/changelog
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/debian/changelog.in
  VERBATIM)
add_custom_target(orvyn_package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/package/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/copyright ${CMAKE_BINARY_DIR}/package/changelog.gz
        DESTINATION ${ORVYN_PACKAGE_DOC_DIR})

include(CPack)
