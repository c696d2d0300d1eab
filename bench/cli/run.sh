#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# mezzurix-convert against GNU units and qalc (Debian's), installed here if missing.
# Usage: bench/cli/run.sh BUILD_DIR [rounds, default 15]
set -euo pipefail
build=${1:?build folder}
rounds=${2:-15}
converter="$build/cli/mezzurix-convert"
[ -x "$converter" ] || { echo "missing $converter (build it first)" >&2; exit 1; }

"$(dirname "$0")/../../scripts/deps.sh" bench

echo "$(units --version | head -n1), qalc $(qalc --version)"
python3 "$(dirname "$0")/bench_cli.py" "$converter" "$rounds"
