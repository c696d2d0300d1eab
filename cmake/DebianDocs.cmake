# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The copyright file and the changelog that Debian wants in share/doc/<package>, installed into
# the Debian package only.
set(_mezzurix_docdir "${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME}")

# Debian changelogs date their entries as in e-mail headers: "Tue, 08 Dec 2026 00:00:00 +0000".
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _date "${MEZZURIX_RELEASE_DATE}")
if(NOT _date)
    message(FATAL_ERROR "MEZZURIX_RELEASE_DATE is not YYYY-MM-DD: ${MEZZURIX_RELEASE_DATE}")
endif()
set(_day_text "${CMAKE_MATCH_3}")
math(EXPR _year "${CMAKE_MATCH_1}")
math(EXPR _month "${CMAKE_MATCH_2}")
math(EXPR _day "${CMAKE_MATCH_3}")
# Day of the week by Sakamoto's method: 0 is Sunday.
set(_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
math(EXPR _index "${_month} - 1")
list(GET _offsets ${_index} _offset)
set(_y ${_year})
if(_month LESS 3)
    math(EXPR _y "${_y} - 1")
endif()
math(EXPR _weekday "(${_y} + ${_y} / 4 - ${_y} / 100 + ${_y} / 400 + ${_offset} + ${_day}) % 7")
set(_weekdays Sun Mon Tue Wed Thu Fri Sat)
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET _weekdays ${_weekday} _weekday_name)
list(GET _months ${_index} _month_name)
set(MEZZURIX_CHANGELOG_DATE "${_weekday_name}, ${_day_text} ${_month_name} ${_year} 00:00:00 +0000")

configure_file("${PROJECT_SOURCE_DIR}/resources/debian/copyright.in" debian/copyright @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/resources/debian/changelog.in" debian/changelog @ONLY)
# Only the package wants them: see CPACK_INSTALL_CMAKE_PROJECTS.
install(FILES "${PROJECT_BINARY_DIR}/debian/copyright" DESTINATION "${_mezzurix_docdir}"
        COMPONENT debian EXCLUDE_FROM_ALL)
mezzurix_install_gzipped("${PROJECT_BINARY_DIR}/debian/changelog" "${_mezzurix_docdir}" changelog
                         COMPONENT debian EXCLUDE_FROM_ALL)
