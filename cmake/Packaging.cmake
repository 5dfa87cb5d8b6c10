# What `cmake --install` puts where, on Linux desktops and on Windows, and the Debian
# package that CPack builds from it.

if(ORBELLE_CORE_ONLY)
    return()
endif()

# One name for the desktop entry, the AppStream component and the icon, as the desktop
# expects; the program announces the same through QGuiApplication::desktopFileName().
set(ORBELLE_DESKTOP_ID example.orbelle.Orbelle)

if(UNIX AND NOT APPLE)
    install(FILES packaging/${ORBELLE_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/${ORBELLE_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES src/resources/sun.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ORBELLE_DESKTOP_ID}.svg)

    # Debian wants the changelog and the manual page compressed, without a time stamp so
    # that two builds give the same bytes.
    set(orbelle_gzipped)
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)
    foreach(file IN ITEMS changelog orbelle.6)
        set(gzipped ${CMAKE_CURRENT_BINARY_DIR}/packaging/${file}.gz)
        add_custom_command(OUTPUT ${gzipped}
            COMMAND gzip -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${file} > ${gzipped}
            DEPENDS packaging/${file}
            VERBATIM)
        list(APPEND orbelle_gzipped ${gzipped})
    endforeach()
    add_custom_target(orbelle_packaging_docs ALL DEPENDS ${orbelle_gzipped})
    install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/orbelle.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    install(FILES packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME orbelle)
endif()

# On Windows the installed program must run without Qt on the PATH: windeployqt copies the
# Qt libraries, plugins and translations (and the compiler runtime where it knows it) next
# to it and writes a qt.conf that points there. windeployqt does not run on a Linux host,
# so a cross build lays the same out itself.
if(WIN32 AND CMAKE_CROSSCOMPILING)
    include(WindowsReleaseFolder)
elseif(WIN32)
    if(Qt6_VERSION VERSION_GREATER_EQUAL 6.5)
        qt_generate_deploy_app_script(TARGET orbelle OUTPUT_SCRIPT orbelle_deploy_script)
    else()
        qt_generate_deploy_app_script(TARGET orbelle FILENAME_VARIABLE orbelle_deploy_script)
    endif()
    install(SCRIPT ${orbelle_deploy_script})
endif()

set(CPACK_PACKAGE_NAME orbelle)
set(CPACK_PACKAGE_VENDOR Tavix)
# CPack would otherwise drop the build number and ship 2.0.0.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tavix Packaging <packaging@orbelle.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "partner astrology by sun sign, in German")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR DEB)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian's modes, whatever the umask of the machine that builds the package.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Debian's section "games" is for programs installed in /usr/games; Orbelle installs into
# /usr/bin, so it goes with the miscellaneous ones.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# CPack puts the summary above this as the synopsis line; Debian wants lines of at most
# 80 characters.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Orbelle shows how well two signs of the zodiac get on: choose your own
sign and your partner's, click the heart and read the reading for the pair.
It also shows a profile of each sign and names the sign for a birth date.
All texts are German.")

# Comic Neue stands in for Comic Sans MS, and Qt's German texts come from the translations
# package; neither is a linked library, so dpkg-shlibdeps cannot find them.
set(orbelle_data_depends "fonts-comic-neue, qt6-translations-l10n")
find_program(ORBELLE_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(ORBELLE_DPKG_SHLIBDEPS)
if(ORBELLE_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${orbelle_data_depends}")
else()
    # The Qt libraries the program links, by their Debian names; the X11 platform plugin
    # ships in libqt6gui6. Qt Concurrent's run() is templates over Qt Core: where the linker
    # drops unused libraries, as Debian's does, the program does not need libqt6concurrent6
    # and dpkg-shlibdeps does not name it; elsewhere the program needs it.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, libqt6concurrent6, ${orbelle_data_depends}")
endif()

include(CPack)
