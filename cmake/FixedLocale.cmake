# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What the build writes must not depend on the locale of the machine that builds it: the converter
# that lists the units for the manual pages and the completion answers in the user's language. So
# every program the configure step runs, and every command of the build's custom rules, runs under
# the C locale with no LANGUAGE list.
set(ENV{LC_ALL} C)
unset(ENV{LANGUAGE})
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM "${CMAKE_COMMAND} -E env LC_ALL=C --unset=LANGUAGE")
