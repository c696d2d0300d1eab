# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the bash completion from its template and the converter's own list of names.
# Usage: cmake -DCONVERTER=path -DTEMPLATE=path -DOUTPUT=path -P generate.cmake
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/../../cmake/UnitListing.cmake")
mezzurix_unit_listing("${CONVERTER}" lines)

set(categories "")
set(units "")
set(index 0)
foreach(line IN LISTS lines)
    # --list takes the start of a category's name: its first word, in lower case.
    string(JSON category GET "${line}" category)
    string(REGEX REPLACE " .*" "" word "${category}")
    string(TOLOWER "${word}" word)
    list(APPEND categories "${word}")

    string(JSON unitCount LENGTH "${line}" units)
    math(EXPR lastUnit "${unitCount} - 1")
    foreach(u RANGE ${lastUnit})
        string(JSON nameCount LENGTH "${line}" units ${u} names)
        math(EXPR lastName "${nameCount} - 1")
        foreach(n RANGE ${lastName})
            string(JSON name GET "${line}" units ${u} names ${n})
            # The completion escapes blanks and parentheses; names that are quotes are left out.
            if(NOT name MATCHES "[\"']")
                list(APPEND units "${index}\t${name}")
            endif()
        endforeach()
    endforeach()
    math(EXPR index "${index} + 1")
endforeach()
list(REMOVE_DUPLICATES units)
list(JOIN categories "\n" CATEGORY_WORDS)
list(JOIN units "\n" UNIT_NAMES)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
