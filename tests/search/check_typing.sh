#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Typing into the desktop's search one character at a time: at each step of typing_steps.tsv,
# GNOME Shell's first search, its refinement of the step before, and KRunner's match all show
# the titles the table gives. With --print, writes what each shows instead of checking.
# Usage: check_typing.sh BUILD_DIR [--print]
here=$(cd "$(dirname "$0")" && pwd)
source "$here/scratch_bus.sh"
need python3
python3 "$here/typing_steps.py" "$here/typing_steps.tsv" "${2:-}" || fail "typing steps differ"
echo "typing steps: ok"
