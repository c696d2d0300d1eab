#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Mezzurix and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ (or SANITIZE_BUILD_DIR) and runs the whole test suite there, leak checks included.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
build=${SANITIZE_BUILD_DIR:-build-asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMEZZURIX_SANITIZE=ON -DMEZZURIX_BUILD_TESTS=ON -DMEZZURIX_BUILD_BENCH=OFF -DMEZZURIX_WERROR="${CI:-OFF}" >/dev/null
cmake --build "$build" -j2

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j2
