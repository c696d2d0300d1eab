#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The committed message template against one extracted from the sources now: the same messages,
# so that no marked message goes untranslated because the template was not brought up to date
# (cmake --build BUILD --target update_cli_po does that).
# Usage: check_messages_template.sh TEMPLATE XGETTEXT ARGUMENTS...
set -euo pipefail
template=$1
shift
fresh=$(mktemp)
trap 'rm -f "$fresh"' EXIT
"$@" -o "$fresh"
# The msgids alone, each on one line, sorted.
ids() { msgcat --no-wrap --sort-output "$1" | awk '/^msgid /{print}' | sort; }
if ! diff <(ids "$template") <(ids "$fresh"); then
    echo "FAIL: $template differs from the sources' messages (< template, > sources)" >&2
    exit 1
fi
echo "message template: $(ids "$fresh" | wc -l) messages, current"
