# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shown to users as "1.00": the minor number always has two digits.
if(PROJECT_VERSION_MINOR LESS 10)
    set(MEZZURIX_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
    set(MEZZURIX_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
