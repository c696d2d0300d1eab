# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The version as users see it, "1.00": the minor number always has two digits. Programs, the
# package and the desktop files all take it from here.
if(PROJECT_VERSION_MINOR LESS 10)
    set(MEZZURIX_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(MEZZURIX_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
