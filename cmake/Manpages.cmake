# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Manual pages: every resources/man/NAME.SECTION is installed, compressed, as
# share/man/manSECTION/NAME.SECTION.gz. A program's page only needs to be put there; the
# version it names is written in as @MEZZURIX_DISPLAY_VERSION@, and @MEZZURIX_UNITS_SECTION@
# becomes a UNITS section listing every unit with its definition, from the built converter.
file(GLOB _mezzurix_man_pages CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/man/*.[1-8]")
foreach(page IN LISTS _mezzurix_man_pages)
    get_filename_component(name "${page}" NAME)
    string(REGEX REPLACE ".*\\." "" section "${name}")
    add_custom_command(OUTPUT "${PROJECT_BINARY_DIR}/man/${name}"
        COMMAND ${CMAKE_COMMAND} -DCONVERTER=$<TARGET_FILE:mezzurix-convert> -DTEMPLATE=${page}
                -DOUTPUT=${PROJECT_BINARY_DIR}/man/${name}
                "-DMEZZURIX_DISPLAY_VERSION=${MEZZURIX_DISPLAY_VERSION}"
                -P ${CMAKE_CURRENT_LIST_DIR}/ManUnits.cmake
        DEPENDS mezzurix-convert "${page}" ${CMAKE_CURRENT_LIST_DIR}/ManUnits.cmake
                ${CMAKE_CURRENT_LIST_DIR}/UnitListing.cmake
        COMMENT "Writing the manual page ${name}")
    mezzurix_install_gzipped("${PROJECT_BINARY_DIR}/man/${name}" "${CMAKE_INSTALL_MANDIR}/man${section}" "${name}")
endforeach()
