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

missing=()
for p in units qalc python3 time; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
    $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
fi

echo "$(units --version | head -n1), qalc $(qalc --version)"
python3 "$(dirname "$0")/bench_cli.py" "$converter" "$rounds"
