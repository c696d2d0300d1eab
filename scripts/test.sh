#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Mezzurix with its tests and benchmarks and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
# In CI (CI=true) a compiler warning fails the build.
cmake -S . -B build -G Ninja -DMEZZURIX_BUILD_TESTS=ON -DMEZZURIX_BUILD_BENCH=ON -DMEZZURIX_WERROR="${CI:-OFF}" >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2
