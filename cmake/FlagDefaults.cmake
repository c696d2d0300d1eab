# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Defaults of the build types' flags, read after the compiler's own and before they fill the cache,
# so that a value given on the command line still wins.
# The default build (RelWithDebInfo) keeps line tables only: a backtrace still names file and line,
# the package is stripped anyway, and the build takes about a sixth less time than with full
# debugging information. A Debug build has it all.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT CMAKE_CXX_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
    set(CMAKE_CXX_FLAGS_RELWITHDEBINFO_INIT "-O2 -g1 -DNDEBUG")
endif()
