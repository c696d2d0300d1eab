# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Two builds of one commit give byte for byte the same programs, generated files and package,
# whatever the locale, time zone, umask and folder of the machine that builds them.
# tools/reproducible-build checks it. The package's file times come from SOURCE_DATE_EPOCH, which
# CPack reads; the dates inside files come from MEZZURIX_RELEASE_DATE, never from the clock; its
# folders' modes from PackageModes.cmake.

# The locale: the converter that lists the units for the manual pages and the completion answers
# in the user's language. So every program the configure step runs, and every command of the build's
# custom rules, runs under the C locale with no LANGUAGE list.
set(ENV{LC_ALL} C)
unset(ENV{LANGUAGE})
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM "${CMAKE_COMMAND} -E env LC_ALL=C --unset=LANGUAGE")

# Debug information and __FILE__ name files relative to the source and the build folder. The
# build folder comes last because it may lie inside the source folder: the last prefix that
# matches is the one used.
if(NOT MSVC)
    add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
                        "-ffile-prefix-map=${PROJECT_BINARY_DIR}=.")
endif()
