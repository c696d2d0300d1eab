# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared helpers for the desktop checks; sourced by the check_*.sh scripts.
set -euo pipefail

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "missing tool $tool (scripts/deps.sh test installs it)" >&2; exit 1; }
    done
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}
# Width and height of a PNG, from its IHDR chunk.
png_size() {
    local w h
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$1")
    echo "${w}x${h}"
}
