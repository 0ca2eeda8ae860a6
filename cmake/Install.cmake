# SPDX-License-Identifier: MIT
# Installing on a Linux desktop, and the Debian package: the program, its menu and logon
# entries, the daily run's systemd user units, icon, metadata, man page and user guide.
include(GNUInstallDirs)

set(OVRANA_APP_ID org.ovrana.Ovrana)
set(OVRANA_AUTOSTART_ENTRY ${PROJECT_SOURCE_DIR}/res/${OVRANA_APP_ID}-autostart.desktop)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)

# The user guide beside the built program too, so the Options dialog's link works in a build tree.
add_custom_target(ovrana_guide ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/doc/guide.html
            $<TARGET_FILE_DIR:ovrana>/guide.html
    VERBATIM)

add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/ovrana.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory man
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/man/ovrana.1 man/ovrana.1
    COMMAND ${GZIP} -9nf man/ovrana.1
    DEPENDS ${PROJECT_SOURCE_DIR}/man/ovrana.1
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR} VERBATIM)

# The application icon, drawn as SVG, rendered for the icon theme's fixed sizes.
set(icon_pngs "")
foreach(size 16 22 24 32 48 64 128 256)
    set(png ${PROJECT_BINARY_DIR}/icons/${size}x${size}/${OVRANA_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png}
                ${PROJECT_SOURCE_DIR}/res/icons/ovrana.svg
        DEPENDS ${PROJECT_SOURCE_DIR}/res/icons/ovrana.svg VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

add_custom_target(ovrana_desktop_files ALL
    DEPENDS ${PROJECT_BINARY_DIR}/man/ovrana.1.gz ${icon_pngs})

install(TARGETS ovrana)
install(FILES res/${OVRANA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/${OVRANA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES res/icons/ovrana.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${OVRANA_APP_ID}.svg)
install(FILES ${PROJECT_BINARY_DIR}/man/ovrana.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES doc/guide.html DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Sessions start the entries in $XDG_CONFIG_DIRS/autostart, that is /etc/xdg/autostart. Under
# the prefixes / and /usr the configuration directory is /etc (as GNUInstallDirs has it);
# elsewhere it stays inside the prefix. Decided when installing, because `cmake --install
# --prefix` and cpack choose the prefix only then. The package does not make it a conffile: it
# is the program's own entry (users switch it off in ~/.config/autostart), and removing the
# package removes it.
install(CODE "set(ovrana_sysconfdir \"${CMAKE_INSTALL_SYSCONFDIR}\")
set(ovrana_autostart_entry \"${OVRANA_AUTOSTART_ENTRY}\")")
install(CODE [[
    if(IS_ABSOLUTE "${ovrana_sysconfdir}")
        set(ovrana_autostart_dir "${ovrana_sysconfdir}/xdg/autostart")
    elseif(CMAKE_INSTALL_PREFIX MATCHES "^/(usr/?)?$")
        set(ovrana_autostart_dir "/${ovrana_sysconfdir}/xdg/autostart")
    else()
        set(ovrana_autostart_dir "${CMAKE_INSTALL_PREFIX}/${ovrana_sysconfdir}/xdg/autostart")
    endif()
    file(INSTALL "${ovrana_autostart_entry}" DESTINATION "${ovrana_autostart_dir}")
]])

# The daily run's systemd user units, with the program's path as installed: like the autostart
# entry, known only when installing.
install(CODE "set(ovrana_bindir \"${CMAKE_INSTALL_BINDIR}\")
set(ovrana_unit_sources \"${PROJECT_SOURCE_DIR}/res\")
set(ovrana_unit_build \"${PROJECT_BINARY_DIR}/units\")")
install(CODE [[
    if(IS_ABSOLUTE "${ovrana_bindir}")
        set(CMAKE_INSTALL_FULL_BINDIR "${ovrana_bindir}")
    else()
        set(CMAKE_INSTALL_FULL_BINDIR "${CMAKE_INSTALL_PREFIX}/${ovrana_bindir}")
    endif()
    configure_file("${ovrana_unit_sources}/ovrana-daily-reminder.service"
                   "${ovrana_unit_build}/ovrana-daily-reminder.service" @ONLY)
    file(INSTALL "${ovrana_unit_build}/ovrana-daily-reminder.service"
                 "${ovrana_unit_sources}/ovrana-daily.service"
                 "${ovrana_unit_sources}/ovrana-daily.timer"
         DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/systemd/user")
]])

# The Debian package (cpack -G DEB) for the /usr prefix, its dependencies computed by
# dpkg-shlibdeps. The record pictures and the icon are drawn by the SVG icon engine, a plugin
# that no linked library names, so its package is listed by hand, as is the fallback browser
# command of the web link.
set(CPACK_PACKAGE_NAME ovrana)
set(CPACK_PACKAGE_VENDOR Keldan)
set(CPACK_PACKAGE_CONTACT "Ovrana maintainers <maintainers@users.noreply.c-seed-bf568024.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[Ovrana starts when you log on and shows the birthdays, anniversaries and
other yearly dates that fall due within their own warning period, nearest
first; when nothing is due it shows nothing. Its Options dialog, also in the
applications menu, keeps the list.]])
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# QtKeychain loads libsecret only when it runs, so no library check finds it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libsecret-1-0, sensible-utils")
# Opens the e-mail and web links where no desktop environment does.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# Enables the daily timer for every user as Debian packages do, and forgets it when purged.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/cmake/debian/postinst
                                       ${PROJECT_SOURCE_DIR}/cmake/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
