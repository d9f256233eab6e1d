#!/usr/bin/env bash
# The family's machines side by side: runs every machine's hall headless for
# the same time from the same seed (each its own hall), then one report of
# them all: a table on standard output, and compare.csv and compare.svg (one
# page, the machines side by side) in the output folder.
#   tools/compare.sh [--days D | --hours H] [--seed N] [--jobs N] [--out DIR] [noN ...]
# Default: 30 days, seed 1, 2 jobs a machine, build/compare, every machine.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
. tools/models.sh
hours=720 seed=1 jobs=2 out=build/compare chosen=()
while [ $# -gt 0 ]; do
  case "$1" in
    --days) hours=$(( $2 * 24 )); shift 2 ;;
    --hours) hours=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --jobs) jobs=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    no*) chosen+=("$1"); shift ;;
    *) echo "compare: unknown argument $1" >&2; exit 2 ;;
  esac
done
[ ${#chosen[@]} -gt 0 ] && models="${chosen[*]}"
tools/build.sh native >/dev/null
mkdir -p "$out"
runs=()
for m in $models; do
  name="$(sed -nE 's/^#define MACHINE_PROGRAM_TITLE "TAMAROW ([^"]*)".*/\1/p' "machines/$m/machine_identity.h") $(sed -nE 's/^#define MACHINE_TITLE "([^"]*)".*/\1/p' "machines/$m/machine_identity.h")"
  echo "compare: $name, $hours hours on $jobs jobs" >&2
  "build/native/hallsim_$m" --hours "$hours" --seed "$seed" --jobs "$jobs" --quiet \
    --csv "$out/$m.csv" --svg "$out/$m.svg" >"$out/$m.txt"
  grep '^speed:' "$out/$m.txt" >&2
  runs+=("$name=$out/$m.csv")
done
build/native/hallsim_compare --csv "$out/compare.csv" --svg "$out/compare.svg" "${runs[@]}" | tee "$out/compare.txt"
echo "compare: $out/compare.txt, compare.csv and compare.svg (each machine's own report: $out/noN.txt)" >&2
