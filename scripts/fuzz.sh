#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in their own folder, writes the seed corpus, and
# runs the answer-file readers' target for a bounded time (FUZZ_SECONDS,
# default 60). A broken invariant or a sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=${FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-60}

"$root/scripts/build.sh" "$dir" -DCMAKE_CXX_COMPILER=clang++ -DQELM_FUZZ=ON -DQELM_TESTS=OFF \
  -DQELM_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo

seeds=$dir/seeds
corpus=$dir/corpus
rm -rf "$seeds"
mkdir -p "$seeds" "$corpus"
"$dir/fuzz/make_fuzz_seeds" "$seeds"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/support/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# New inputs go to the first folder; the seeds are only read.
"$dir/fuzz/fuzz_answer_readers" -max_total_time="$seconds" -print_final_stats=1 "$corpus" "$seeds"
