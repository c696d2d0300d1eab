# Desktop integration and the Debian package.
#
# The program itself is installed by app/. This adds what a Linux desktop needs to list
# it: the .desktop entry, the icon in the hicolor theme and the AppStream metainfo.

set(MEZZURIX_APP_ID "org.example.Mezzurix")
# MEZZURIX_DISPLAY_VERSION ("1.00") comes from cmake/Version.cmake.

set(_mezzurix_res "${PROJECT_SOURCE_DIR}/resources")

if(UNIX AND NOT APPLE)
    install(FILES "${_mezzurix_res}/desktop/${MEZZURIX_APP_ID}.desktop"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
    install(FILES "${_mezzurix_res}/desktop/${MEZZURIX_APP_ID}.metainfo.xml"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

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
endif()

set(CPACK_PACKAGE_NAME "mezzurix")
set(CPACK_PACKAGE_VENDOR "Mezzurix developers")
set(CPACK_PACKAGE_CONTACT "Mezzurix developers <developers@mezzurix.example>")
set(CPACK_PACKAGE_VERSION "${MEZZURIX_DISPLAY_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Mezzurix is a small desktop unit converter. Pick one of 14 categories, \
choose the units to convert from and into, and type a number; the result \
is shown rounded to 0 to 30 decimal places and can be copied to the clipboard. \
Reference tables of the SI base units and the SI prefixes are included.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://mezzurix.example/")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Mezzurix")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CPACK_PACKAGE_HOMEPAGE_URL}")
# The windows ask for Liberation fonts in place of the Windows fonts they were designed with.
# libqt6gui6 holds the platform plugins, which the linker does not see as a need of the program.
find_program(MEZZURIX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(MEZZURIX_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6, fonts-liberation2")
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6gui6, libqt6core6, fonts-liberation2")
endif()

include(CPack)
