# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes a manual page from its template, with the version and a UNITS section made from the
# built converter's own list of units and their definitions.
# Usage: cmake -DCONVERTER=path -DTEMPLATE=path -DOUTPUT=path -DMEZZURIX_DISPLAY_VERSION=v -P ManUnits.cmake
execute_process(COMMAND "${CONVERTER}" --list --json
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CONVERTER} --list --json failed: ${status}")
endif()

# Text for roff: its escapes for the characters beyond ASCII that the definitions use, and "\-"
# for a minus sign.
function(roff_text text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "²" "\\[S2]" text "${text}")
    string(REPLACE "³" "\\[S3]" text "${text}")
    string(REPLACE "⁴" "\\[u2074]" text "${text}")
    string(REPLACE "·" "\\[pc]" text "${text}")
    string(REPLACE "×" "\\[mu]" text "${text}")
    string(REPLACE "…" "\\[u2026]" text "${text}")
    string(REPLACE "—" "\\[em]" text "${text}")
    string(REPLACE "°" "\\[de]" text "${text}")
    string(REGEX REPLACE "(^| )-" "\\1\\\\-" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(section ".SH UNITS\nEvery unit, category by category, with what it is, its exact size in SI units and\nwhere that definition comes from.\nThe conversion table's factors lie within a billionth of their value of the\nratios of these definitions.\n")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
    if(line STREQUAL "")
        continue()
    endif()
    string(JSON category GET "${line}" category)
    string(APPEND section ".SS \"${category}\"\n")
    string(JSON unitCount LENGTH "${line}" units)
    math(EXPR lastUnit "${unitCount} - 1")
    foreach(u RANGE ${lastUnit})
        string(JSON name GET "${line}" units ${u} name)
        string(JSON singular GET "${line}" units ${u} singular)
        string(JSON description GET "${line}" units ${u} description)
        string(JSON definition GET "${line}" units ${u} definition)
        string(JSON source GET "${line}" units ${u} source)
        string(JSON offset ERROR_VARIABLE noOffset GET "${line}" units ${u} offset)
        if(noOffset)
            set(amount "1 ${singular} = ${definition}")
        else()
            set(amount "x ${name} = ${definition}")
        endif()
        roff_text("${name}" name)
        roff_text("${description}; ${amount} (${source})." text)
        string(APPEND section ".TP\n.B ${name}\n${text}\n")
    endforeach()
endforeach()
set(MEZZURIX_UNITS_SECTION "${section}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
