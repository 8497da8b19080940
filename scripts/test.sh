#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first the normal
# build, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer. Any failure or sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# Each test program leaves a report here, for the count at the end.
results=$root/build/test-results
rm -rf "$results"
mkdir -p "$results"

echo "== build and test"
"$root/scripts/build.sh" "$root/build"
GTEST_OUTPUT="xml:$results/plain/" ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/support/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$root/scripts/build.sh" "$root/build-sanitize" -DQELM_SANITIZE=ON -DQELM_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
GTEST_OUTPUT="xml:$results/sanitize/" ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs"

echo "== fuzz the answer-file readers for a bounded time"
"$root/scripts/fuzz.sh" > "$results/fuzz.log" 2>&1 || { tail -n 60 "$results/fuzz.log"; exit 1; }
grep -E '^(Done|stat::number_of_executed_units)' "$results/fuzz.log" || true

# Test cases over both builds, plus the fuzz run.
sum() { grep -ho "<testsuites tests=\"[0-9]*\" failures=\"[0-9]*\"" "$results"/*/*.xml |
        sed -E 's/.*tests="([0-9]+)" failures="([0-9]+)"/\1 \2/' | awk -v c="$1" '{ s += $c } END { print s + 0 }'; }
total=$(( $(sum 1) + 1 ))
failed=$(sum 2)
echo "tests: $(( total - failed )) passed, $failed failed"
