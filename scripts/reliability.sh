#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reliability checks of the core rules:
#   1. the core and its test suite built with AddressSanitizer and
#      UndefinedBehaviorSanitizer (preset sanitize, build-asan), run with ctest;
#   2. the task-file fuzzer (clang, libFuzzer; preset fuzz, build-fuzz) run for a bounded
#      time on a copy of its seed corpus, failing on any crash or broken check.
# Installs nothing: needs cmake, g++, clang++, libclang-rt-dev and llvm
# (llvm-symbolizer), which scripts/setup.sh installs.
#   ZIFFERON_FUZZ_SECONDS   fuzzing time in seconds (default 60)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
fuzz_seconds=${ZIFFERON_FUZZ_SECONDS:-60}

echo "== Core and tests with AddressSanitizer and UndefinedBehaviorSanitizer"
(cd "$root" && cmake --preset sanitize >/dev/null)
cmake --build "$root/build-asan" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs"

echo "== Task-file fuzzer, ${fuzz_seconds} s"
(cd "$root" && cmake --preset fuzz >/dev/null)
cmake --build "$root/build-fuzz" -j"$jobs" --target taskfile_fuzzer

# The fuzzer adds what it finds to the corpus folder: it works on a copy, so
# that the committed seeds stay as they are.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$root/build-fuzz/artifacts"
cp "$root"/fuzz/corpus/* "$work/corpus/"

status=0
"$root/build-fuzz/fuzz/taskfile_fuzzer" -max_total_time="$fuzz_seconds" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$root/build-fuzz/artifacts/" \
    "$work/corpus" >"$work/fuzz.log" 2>&1 || status=$?

grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)' "$work/fuzz.log" || true
grep -E '^stat::' "$work/fuzz.log" || true
if ((status != 0)); then
    tail -n 80 "$work/fuzz.log"
    echo "The fuzzer failed (exit $status); the input that caused it is in $root/build-fuzz/artifacts/" >&2
    exit 1
fi
echo "Fuzzing found nothing; the corpus grew to $(ls "$work/corpus" | wc -l) inputs."
