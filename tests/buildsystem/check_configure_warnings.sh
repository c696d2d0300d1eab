#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Configures the project afresh in each configuration the scripts build (normal, sanitized, fuzz,
# engine only) and fails on any CMake warning.
# Usage: check_configure_warnings.sh SOURCE_DIR
source "$(dirname "$0")/../desktop/common.sh"
src=$1
need cmake clang++

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Usage: configure NAME [cmake arguments...]; CXX chooses the compiler.
configure() {
    local name=$1
    shift
    cmake -S "$src" -B "$work/$name" -G Ninja "$@" >"$work/$name.log" 2>&1 \
        || { fail "the $name configuration fails: $(tail -n 20 "$work/$name.log")"; return 0; }
    if grep -q -E '^CMake (Deprecation )?Warning' "$work/$name.log"; then
        fail "configuring $name warns: $(grep -E -A 6 '^CMake (Deprecation )?Warning' "$work/$name.log")"
    fi
    echo "$name: no warning"
}

configure normal -DMEZZURIX_BUILD_TESTS=ON -DMEZZURIX_BUILD_BENCH=ON
configure sanitized -DMEZZURIX_SANITIZE=ON -DMEZZURIX_BUILD_TESTS=ON -DMEZZURIX_BUILD_BENCH=OFF
configure engine-only -DMEZZURIX_ENGINE_ONLY=ON -DMEZZURIX_BUILD_TESTS=OFF -DMEZZURIX_BUILD_BENCH=OFF
CXX=clang++ configure fuzz -DMEZZURIX_ENGINE_ONLY=ON -DMEZZURIX_FUZZ=ON -DMEZZURIX_SANITIZE=ON \
    -DMEZZURIX_BUILD_TESTS=OFF -DMEZZURIX_BUILD_BENCH=OFF
finish
