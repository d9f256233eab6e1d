#!/usr/bin/env bash
# Fuzzes the data files with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang), starting from the family's corpus and
# each model's own. New inputs found go to build/fuzz/corpus-new-<target>-<model>.
#   tools/fuzz.sh [seconds] [check|hall] [model ...]
# check (default): the files read and checked only, millions of inputs an
# hour; hall: the files read, then a minute of the hall. Every model of the
# tree when none is named; the time is for each model.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
. tools/models.sh
seconds=${1:-60}
kind=${2:-check}
shift $(( $# > 2 ? 2 : $# ))
[ $# -gt 0 ] && models="$*"
case "$kind" in
  check) target=data_files_check ;;
  hall) target=data_files ;;
  *) echo "fuzz: the kind is check or hall, not '$kind'" >&2; exit 2 ;;
esac
[ -f build/fuzz/CMakeCache.txt ] || CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMAROW_FUZZ=ON >/dev/null
cmake --build build/fuzz --target $(for m in $models; do echo "fuzz_${target}_$m"; done)
for m in $models; do
  out=build/fuzz/corpus-new-$target-$m
  mkdir -p "$out"
  corpora=(tests/fuzz/corpus)
  [ -d "machines/$m/tests/fuzz_corpus" ] && corpora+=("machines/$m/tests/fuzz_corpus")
  echo "== $target $m ($seconds s)"
  "build/fuzz/fuzz_${target}_$m" -max_total_time="$seconds" -max_len=20000 -print_final_stats=1 \
    "$out" "${corpora[@]}"
done
