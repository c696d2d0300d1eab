#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A flood of result ids in one GetResultMetas call: the provider describes the first few only, so the
# call returns at once and its memory stays where it was. The bounds are loose; bench/ times it.
# Usage: check_result_metas.sh BUILD_DIR METAS_FLOOD_CLIENT [sanitized|plain]
here=$(cd "$(dirname "$0")" && pwd)
source "$here/scratch_bus.sh"
client=$2

out=$(timeout 60 "$client" 100000 "24 Inches to Feet") || fail "the client saw an error: $out"
echo "$out"
read -r metas ms grown < <(sed -n 's/^\([0-9]*\) metas in \([0-9]*\) ms, memory grew by \(-\?[0-9]*\) kB$/\1 \2 \3/p' <<<"$out")
[ "${metas:-}" = 256 ] || fail "described ${metas:-no} ids, not the first 256"
[ "${ms:-99999}" -lt 2000 ] || fail "the call took ${ms:-?} ms"
# AddressSanitizer keeps freed memory in quarantine, so the memory bound holds only without it.
if [ "${3:-plain}" != sanitized ]; then
    [ "${grown:-99999}" -lt 32768 ] || fail "the provider's memory grew by ${grown:-?} kB"
fi
finish
