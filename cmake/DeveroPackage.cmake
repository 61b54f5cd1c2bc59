# The Debian package: `cpack -G DEB` in a configured build tree (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME devero)
set(CPACK_PACKAGE_VENDOR "Devero")
set(CPACK_PACKAGE_CONTACT "Devero developers <devero@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "configuration tool for Devero USB gaming mice")
# CPack puts the summary first and indents these lines; the empty line becomes " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Devero sets what each button of a Devero gaming mouse does in four profiles,
six DPI stages with their colours, the report rate and the lighting, records
and edits keyboard macros, and writes everything into the mouse's memory.

This package holds the devero window, the devero-cli command, the factory
data and skin, and a udev rule that gives the user at the seat access to the
mouse.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/cmake/debian/postinst ${PROJECT_SOURCE_DIR}/cmake/debian/postrm)
if(TARGET devero)
  # Qt's platform plugins are loaded at run time, so shlibdeps cannot see them.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei")
endif()
include(CPack)
