#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Generates the locale of every window translation that the system lacks (de_DE.UTF-8, ...), so
# that the windows can be tested under it. A fresh machine has none of them.
# Usage: make_locales.sh TEST_WINDOW_LANGUAGE
set -euo pipefail
locales=$(QT_QPA_PLATFORM=offscreen "$1" --locales)
[ -n "$locales" ] || { echo "no translations found" >&2; exit 1; }
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo -n"
for locale in $locales; do
    # locale -a writes "de_DE.utf8" for de_DE.UTF-8.
    if ! locale -a | grep -qix "${locale%.UTF-8}.utf8"; then
        echo "generating $locale"
        $sudo localedef -i "${locale%.UTF-8}" -f UTF-8 "$locale"
    fi
done
