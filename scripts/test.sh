#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Mezzurix with its tests and benchmarks and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
cmake -S . -B build -G Ninja -DMEZZURIX_BUILD_TESTS=ON -DMEZZURIX_BUILD_BENCH=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2
