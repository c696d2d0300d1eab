#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets of the engine and of the rates' reader (clang, libFuzzer, ASan, UBSan)
# and runs each one for a bounded time, as many at once as there are cores, starting from the
# seed corpus in fuzz/corpus/<target>/.
# Usage: fuzz/run.sh [seconds per target, default 60] [target ...]
# FUZZ_BUILD_DIR overrides the build folder (default build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(leading_number format_fixed general_form convert query currency rates)
build=${FUZZ_BUILD_DIR:-build-fuzz}

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMEZZURIX_ENGINE_ONLY=ON -DMEZZURIX_FUZZ=ON -DMEZZURIX_SANITIZE=ON \
    -DMEZZURIX_BUILD_TESTS=OFF -DMEZZURIX_BUILD_BENCH=OFF -DMEZZURIX_WERROR="${CI:-OFF}" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# One target for the given time; its status goes to the log's .status file.
run_target() {
    local t=$1 work="$build/fuzz-work/$1" artifacts="$build/fuzz-artifacts/$1" log="$build/fuzz-$1.log"
    mkdir -p "$work" "$artifacts"
    # New inputs go into the scratch folder; the committed seeds are only read.
    if "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$t" >"$log" 2>&1; then
        echo ok >"$log.status"
    else
        echo FAILED >"$log.status"
    fi
}

# As many targets at once as there are cores (FUZZ_JOBS overrides): each is one process.
jobs=${FUZZ_JOBS:-$(nproc)}
running=0
for t in "${targets[@]}"; do
    if [ "$running" -ge "$jobs" ]; then
        wait -n
        running=$((running - 1))
    fi
    echo "== fuzz_$t for ${seconds}s"
    run_target "$t" &
    running=$((running + 1))
done
wait

failed=()
summary=()
for t in "${targets[@]}"; do
    log="$build/fuzz-$t.log"
    status=$(cat "$log.status")
    if [ "$status" != ok ]; then
        failed+=("$t")
        echo "== fuzz_$t found a fault:"
        tail -n 40 "$log"
    fi
    execs=$(grep -m1 '^stat::number_of_executed_units:' "$log" | awk '{print $2}')
    rate=$(grep -m1 '^stat::average_exec_per_sec:' "$log" | awk '{print $2}')
    summary+=("$(printf '%-16s %-7s %12s execs %9s /s' "$t" "$status" "${execs:-?}" "${rate:-?}")")
done

echo "== fuzz summary"
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz targets that found a fault: ${failed[*]} (inputs in $build/fuzz-artifacts/)"
    exit 1
fi
