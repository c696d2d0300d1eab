# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Manual pages: every resources/man/NAME.SECTION is installed, compressed, as
# share/man/manSECTION/NAME.SECTION.gz. A program's page only needs to be put there.
file(GLOB _mezzurix_man_pages CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/man/*.[1-8]")
foreach(page IN LISTS _mezzurix_man_pages)
    get_filename_component(name "${page}" NAME)
    string(REGEX REPLACE ".*\\." "" section "${name}")
    mezzurix_install_gzipped("${page}" "${CMAKE_INSTALL_MANDIR}/man${section}" "${name}")
endforeach()
