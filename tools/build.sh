#!/usr/bin/env bash
# Builds the native tree (core, unit tests, benchmarks) and/or the Windows
# tree (the programs and the test driver). Incremental: a second run only
# rebuilds what changed.
#   tools/build.sh [native] [win32]     (both when none is named)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

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
    *) echo "build: unknown tree '$tree' (native or win32)" >&2; exit 2 ;;
  esac
done
