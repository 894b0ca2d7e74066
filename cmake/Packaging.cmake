# What `cmake --install` puts where, and the Debian package `make package` builds from it.
include(GNUInstallDirs)

install(TARGETS flotanor flotanor-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(flotanor_share "${CMAKE_INSTALL_DATADIR}/flotanor")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/resources/raporty/" DESTINATION "${flotanor_share}/raporty")
install(FILES "${PROJECT_SOURCE_DIR}/resources/porady.dat"
              "${PROJECT_SOURCE_DIR}/resources/english.ini"
        DESTINATION "${flotanor_share}")
install(FILES "${PROJECT_BINARY_DIR}/src/app/docs/Manual.pdf" DESTINATION "${flotanor_share}/docs")

# The desktop: menu entry, icons in the sizes desktops ask for, AppStream metadata.
set(app_id "pl.orvelin.Flotanor")
set(packaging "${PROJECT_SOURCE_DIR}/packaging")
install(FILES "${packaging}/${app_id}.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${packaging}/${app_id}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${packaging}/flotanor.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icons)
foreach(size 16 24 32 48 64 128 256)
    set(png "${PROJECT_BINARY_DIR}/icons/${size}/flotanor.png")
    add_custom_command(
        OUTPUT "${png}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${PROJECT_BINARY_DIR}/icons/${size}"
        COMMAND "${RSVG_CONVERT}" -w ${size} -h ${size} -o "${png}" "${packaging}/flotanor.svg"
        DEPENDS "${packaging}/flotanor.svg"
        VERBATIM)
    list(APPEND icons "${png}")
    install(FILES "${png}"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()

# Manual pages, compressed as Debian wants them.
set(manpages)
foreach(page flotanor.1 flotanor-cli.1)
    set(gz "${PROJECT_BINARY_DIR}/man/${page}.gz")
    add_custom_command(
        OUTPUT "${gz}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${PROJECT_BINARY_DIR}/man"
        COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh "${packaging}/${page}" "${gz}"
        DEPENDS "${packaging}/${page}"
        VERBATIM)
    list(APPEND manpages "${gz}")
    install(FILES "${gz}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endforeach()
add_custom_target(flotanor-desktop-files ALL DEPENDS ${icons} ${manpages})

# Debian's documentation folder is named after the package.
set(docdir "${CMAKE_INSTALL_DATADIR}/doc/flotanor")
set(changelog "${PROJECT_BINARY_DIR}/doc/changelog.gz")
add_custom_command(
    OUTPUT "${changelog}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${PROJECT_BINARY_DIR}/doc"
    COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh "${packaging}/changelog" "${changelog}"
    DEPENDS "${packaging}/changelog"
    VERBATIM)
add_custom_target(flotanor-changelog ALL DEPENDS "${changelog}")
install(FILES "${packaging}/copyright" "${changelog}" DESTINATION "${docdir}")

# make package: a .deb for Debian 12 whose dependencies come from the libraries the programs
# link (dpkg-shlibdeps) and the plugins and data they load at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME flotanor)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Orvelin")
set(CPACK_PACKAGE_CONTACT "Orvelin <flotanor@orvelin.pl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vehicle fleet records for companies")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Flotanor keeps the records of a company's vehicle fleet: vehicles and\n"
    "drivers, costs with net, VAT and gross, refuellings and fuel consumption,\n"
    "trips with the kilometre allowance, road and fuel cards, repairs, damages,\n"
    "tyres, documents and reminders of what falls due, with reports, charts and\n"
    "CSV export and import. Its windows speak Polish. It works on SQLite or on a\n"
    "shared PostgreSQL database.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.flotanor.pl")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, libqt6sql6-psql, qt6-qpa-plugins, qt6-translations-l10n, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/package")
include(CPack)
