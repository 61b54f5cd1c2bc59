# What `cmake --install` lays out under the prefix, and the Debian package made from it.
# Included after every target is defined, so the guards below see the targets of other parts.

set(DEVERO_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/devero)
set(DEVERO_UDEV_RULES_DIR lib/udev/rules.d CACHE STRING
    "Where the udev rule goes, relative to the prefix (or absolute)")
set(devero_desktop_id org.devero.Devero)

install(TARGETS devero-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET devero)
  install(TARGETS devero RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The data tree: the generated skin as the build laid it out, but the files the program writes
# come from data/ itself, so a product file or macro group changed by a run in the build tree
# is never installed as factory data.
install(DIRECTORY ${DEVERO_SKIN_OUTPUT_DIR}/ DESTINATION ${DEVERO_INSTALL_DATA_DIR}/skins
        REGEX "/skins/config$" EXCLUDE
        REGEX "/skins/INI_(EN|CN)/macro(Reset)?$" EXCLUDE
        REGEX "/\\.[^/]*\\.tmp-[^/]*$" EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/config ${PROJECT_SOURCE_DIR}/data/INI_EN
                  ${PROJECT_SOURCE_DIR}/data/INI_CN
        DESTINATION ${DEVERO_INSTALL_DATA_DIR}/skins)

install(FILES ${PROJECT_SOURCE_DIR}/data/udev/70-devero.rules DESTINATION ${DEVERO_UDEV_RULES_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/${devero_desktop_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/${devero_desktop_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The application icon comes from the skin generator.
if(TARGET devero_skin)
  foreach(size IN ITEMS 16 32 48 64 128 256)
    install(FILES ${DEVERO_SKIN_OUTPUT_DIR}/icons/devero_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME devero.png)
  endforeach()
endif()

# Man pages, compressed as Debian wants them.
find_program(DEVERO_GZIP gzip REQUIRED)
set(devero_man_pages)
foreach(page IN ITEMS devero devero-cli)
  set(out ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${DEVERO_GZIP} -9nc ${PROJECT_SOURCE_DIR}/data/man/${page}.1 > ${out}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/man/${page}.1
    COMMENT "Man page ${page}.1")
  list(APPEND devero_man_pages ${out})
endforeach()
add_custom_target(devero_man ALL DEPENDS ${devero_man_pages})
install(FILES ${devero_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

include(cmake/DeveroPackage.cmake)
