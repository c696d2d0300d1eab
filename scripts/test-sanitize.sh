#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Mezzurix and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ (or SANITIZE_BUILD_DIR) and runs the test suite there, leak checks included, but for
# the checks of files alone (label no_sanitizer).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
build=${SANITIZE_BUILD_DIR:-build-asan}
# -O1 and line tables only, as the sanitizers' own guides advise: every check is made, reports name
# file and line, and the build takes half the time of -O2 -g.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
    -DMEZZURIX_SANITIZE=ON -DMEZZURIX_BUILD_TESTS=ON -DMEZZURIX_BUILD_BENCH=OFF -DMEZZURIX_WERROR="${CI:-OFF}" >/dev/null
cmake --build "$build" -j2

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The checks of files alone run no code of ours (the no_sanitizer label): the plain run has them.
ctest --test-dir "$build" --output-on-failure -j2 -LE no_sanitizer
