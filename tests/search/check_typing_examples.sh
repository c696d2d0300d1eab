#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Types every query of typing_examples.tsv one character at a time through GNOME Shell's and
# KRunner's interfaces (typing_client.cpp says what is checked).
# Usage: check_typing_examples.sh BUILD_DIR TYPING_CLIENT
here=$(cd "$(dirname "$0")" && pwd)
source "$here/scratch_bus.sh"
"$2" "$here/typing_examples.tsv" || fail "an answer vanished while typing, or a query went unanswered"
finish
