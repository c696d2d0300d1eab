# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Desktop integration and the Debian package.
#
# The program itself is installed by app/. This adds what a Linux desktop needs to list
# it: the .desktop entry, the icon in the hicolor theme and the AppStream metainfo; and what
# a Debian package needs beside it: manual pages, the copyright file and the changelog.

set(_mezzurix_res "${PROJECT_SOURCE_DIR}/resources")

set(CPACK_PACKAGE_NAME "mezzurix")
set(CPACK_PACKAGE_VENDOR "Mezzurix developers")
set(CPACK_PACKAGE_CONTACT "Mezzurix developers <developers@mezzurix.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://mezzurix.example/")

if(UNIX AND NOT APPLE)
    # Installs SOURCE compressed as DESTINATION/NAME.gz. gzip -n -9 leaves out the name and time
    # stamp, so the same source always gives the same package. Further arguments are passed on to
    # install(), such as the component.
    find_program(MEZZURIX_GZIP gzip REQUIRED)
    function(mezzurix_install_gzipped source destination name)
        set(gzipped "${PROJECT_BINARY_DIR}/gzipped/${destination}/${name}.gz")
        file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/gzipped/${destination}")
        add_custom_command(OUTPUT "${gzipped}"
            COMMAND "${MEZZURIX_GZIP}" -n -9 -c "${source}" > "${gzipped}"
            DEPENDS "${source}"
            COMMENT "Compressing ${name}"
            VERBATIM)
        string(MAKE_C_IDENTIFIER "gzip_${destination}_${name}" target)
        add_custom_target(${target} ALL DEPENDS "${gzipped}")
        install(FILES "${gzipped}" DESTINATION "${destination}" ${ARGN})
    endfunction()

    install(FILES "${MEZZURIX_DESKTOP_ENTRY}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
    install(FILES "${MEZZURIX_METAINFO}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

    set(_mezzurix_icons
        16 "${_mezzurix_res}/images/app-16.png"
        32 "${_mezzurix_res}/images/app-32.png"
        64 "${_mezzurix_res}/icons/mezzurix-64.png"
        128 "${_mezzurix_res}/icons/mezzurix-128.png"
        256 "${_mezzurix_res}/icons/mezzurix-256.png")
    while(_mezzurix_icons)
        list(POP_FRONT _mezzurix_icons _size _file)
        install(FILES "${_file}"
                DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps"
                RENAME "${MEZZURIX_APP_ID}.png")
    endwhile()

    include(${CMAKE_CURRENT_LIST_DIR}/Manpages.cmake)
    include(${CMAKE_CURRENT_LIST_DIR}/DebianDocs.cmake)
endif()

set(CPACK_PACKAGE_VERSION "${MEZZURIX_DISPLAY_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian shows the description as written: lines of at most 80 characters, paragraphs apart.
set(CPACK_PACKAGE_DESCRIPTION [[
Mezzurix is a small desktop unit converter. Pick one of 14 categories, such
as distance, area, mass, temperature, pressure or computer memory, choose the
units to convert from and into, and type a number: the result follows every
keystroke, rounded to 0 to 30 decimal places, and can be copied to the
clipboard.

Reference tables of the SI base units and the SI prefixes are included.]])
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Mezzurix")
set(CPACK_STRIP_FILES ON)
# The package's modes do not depend on the umask.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/PackageModes.cmake")
set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/PackageModes.cmake")
set(CPACK_GENERATOR "DEB")

# The files only a Debian package wants (its copyright, changelog and lintian overrides) are the
# "debian" component, which a plain install leaves out; the package takes everything and them.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/"
                                 "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CPACK_PACKAGE_HOMEPAGE_URL}")
# The windows ask for Liberation fonts in place of the Windows fonts they were designed with.
# dpkg-shlibdeps adds the libraries the programs link, libqt6gui6 (which holds the platform
# plugins) among them, with their versions; without it the Qt libraries are named here.
find_program(MEZZURIX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(MEZZURIX_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6gui6, libqt6core6, libqt6dbus6, fonts-liberation2")
endif()
# The Wayland platform plugin; without it Qt falls back to X11 through XWayland. Qt's own
# translations, for its texts in the windows (the input box's context menu); the program's own are
# built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
