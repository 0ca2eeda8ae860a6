#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A few seconds of each fuzz target, and every input that once broke something, as part of the
# tests. Longer runs: scripts/fuzz.
# Usage: smoke.sh <build folder> [seconds per target]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1/fuzz
seconds=${2:-5}
if ! command -v clang++ >/dev/null; then
    echo "clang++ is not installed: no fuzzing" >&2
    exit 77
fi
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >"$build.log" 2>&1 &&
    cmake --build "$build" -j2 >>"$build.log" 2>&1 || { cat "$build.log" >&2; exit 1; }
# The round trip saves a real file each time; in memory that costs no disk flushes.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
for target in fuzz_reader fuzz_round_trip fuzz_vcard fuzz_dav_replies; do
    corpus=$build/corpus-$target
    seeds=$here/corpus dict=$here/datafile.dict
    if [ "$target" = fuzz_vcard ]; then seeds=$here/corpus-vcard dict=$here/vcard.dict; fi
    if [ "$target" = fuzz_dav_replies ]; then seeds=$here/corpus-dav dict=$here/dav.dict; fi
    rm -rf "$corpus"
    mkdir -p "$corpus"
    regressions=("$here"/regressions/*)
    if [ -e "${regressions[0]}" ]; then
        "$build/$target" "${regressions[@]}"
    fi
    "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -dict="$dict" -artifact_prefix="$build/$target-" "$corpus" "$seeds"
done
