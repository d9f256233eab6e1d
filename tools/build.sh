#!/usr/bin/env bash
# Builds the native tree (core, unit tests, benchmarks), the Windows tree
# (the programs, the test driver and the unit tests for Wine) and/or the
# sanitizer tree (the unit tests with AddressSanitizer and
# UndefinedBehaviorSanitizer). Incremental: a second run only rebuilds what
# changed.
#   tools/build.sh [native] [win32] [sanitize]   (native and win32 when none is named)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
. tools/models.sh

generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
jobs=$(nproc 2>/dev/null || echo 2)

trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(native win32)

for tree in "${trees[@]}"; do
  case "$tree" in
    native)
      [ -f build/native/CMakeCache.txt ] || cmake -S . -B build/native "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
      cmake --build build/native -j "$jobs"
      ;;
    win32)
      [ -f build/win32/CMakeCache.txt ] || cmake -S . -B build/win32 "${generator[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
      cmake --build build/win32 -j "$jobs"
      ;;
    sanitize)
      [ -f build/sanitize/CMakeCache.txt ] || cmake -S . -B build/sanitize "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
      cmake --build build/sanitize -j "$jobs" --target $(for m in $models; do echo "unit_$m"; done)
      ;;
    *) echo "build: unknown tree '$tree' (native, win32 or sanitize)" >&2; exit 2 ;;
  esac
done
