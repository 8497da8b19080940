#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first the normal
# build, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer. Any failure or sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== build and test"
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/support/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$root/scripts/build.sh" "$root/build-sanitize" -DQELM_SANITIZE=ON -DQELM_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"

echo "== fuzz the answer-file readers for a bounded time"
"$root/scripts/fuzz.sh"
