# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# For the scripts run with `cmake -P` that write files from the built converter's own data: its
# `--list --json` output, one JSON object a category, as the list `out`.
function(mezzurix_unit_listing converter out)
    execute_process(COMMAND "${converter}" --list --json
                    OUTPUT_VARIABLE listing RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${converter} --list --json failed: ${status}")
    endif()
    string(REPLACE "\n" ";" lines "${listing}")
    list(FILTER lines EXCLUDE REGEX "^$")
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()
