#!/usr/bin/env bash
# Fuzzes the loading of the data files with libFuzzer under AddressSanitizer
# and UndefinedBehaviorSanitizer (clang), starting from the corpus in the
# repository. New inputs found go to build/fuzz/corpus-new.
#   tools/fuzz.sh [seconds]     (default 60)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
seconds=${1:-60}
[ -f build/fuzz/CMakeCache.txt ] || CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMAROW_FUZZ=ON >/dev/null
cmake --build build/fuzz --target fuzz_data_files_no3
mkdir -p build/fuzz/corpus-new
build/fuzz/fuzz_data_files_no3 -max_total_time="$seconds" -max_len=20000 -print_final_stats=1 \
  build/fuzz/corpus-new tests/fuzz/corpus
