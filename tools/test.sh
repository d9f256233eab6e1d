#!/usr/bin/env bash
# Sets everything up, builds the trees and runs every test: the native unit
# tests, the same tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# then the end-to-end tests of the programs under Wine and Xvfb (which also
# run the unit tests as the 32-bit Windows build).
# Closes with one line "N passed, M failed" and fails when anything failed.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
. tools/models.sh

if [ -r /etc/debian_version ]; then
  tools/setup-debian.sh
fi
tools/build.sh native win32 sanitize

passed=0
failed=0

echo "== unit tests (native)"
set +e
(cd build/native && ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)") | tee build/unit.log
unit_status=${PIPESTATUS[0]}
set -e
line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' build/unit.log | tail -n 1 || true)
if [ -n "$line" ]; then
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
fi
[ "$unit_status" -eq 0 ] || [ "$failed" -gt 0 ] || failed=$((failed + 1))

echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# One model's test program runs on one core: run as many at once as there
# are cores, each into its own log, and count them in the models' order.
sanitize_one() {
  local model=$1 filter=()
  # a model whose pictures have not come yet: the tests that need them wait
  [ -f "machines/$model/art/art.rc" ] ||
    filter=(--gtest_filter="-$(sed -nE 's/^set\(TAMAROW_ART_TESTS "([^"]*)"\)/\1/p' cmake/add_machine.cmake)")
  local status=0
  (cd build/sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ./unit_$model --gtest_brief=1 \
    "${filter[@]}") >build/sanitize-$model.log 2>&1 || status=$?
  echo "$status" >build/sanitize-$model.status
}
rm -f build/sanitize-*.status
cores=$(nproc 2>/dev/null || echo 2)
running=0
for model in $models; do
  sanitize_one "$model" &
  running=$((running + 1))
  if [ "$running" -ge "$cores" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait || true
for model in $models; do
  cat build/sanitize-$model.log
  sanitize_status=$(cat build/sanitize-$model.status 2>/dev/null || echo 1)
  line=$(grep -E '^\[  PASSED  \] [0-9]+ tests?' build/sanitize-$model.log | tail -n 1 || true)
  if [ "$sanitize_status" -eq 0 ] && [ -n "$line" ]; then
    passed=$((passed + $(sed -E 's/.*\] ([0-9]+) test.*/\1/' <<<"$line")))
  else
    bad=$(sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below.*/\1/p' build/sanitize-$model.log | tail -n 1)
    failed=$((failed + ${bad:-1}))
    echo "sanitizers: unit_$model failed (status $sanitize_status), see build/sanitize-$model.log"
  fi
done

echo "== end-to-end tests (Wine)"
set +e
tests/e2e/run_e2e.sh "$top/build/win32" | tee build/e2e.log
e2e_status=${PIPESTATUS[0]}
set -e
line=$(grep -E '^[0-9]+ passed, [0-9]+ failed' build/e2e.log | tail -n 1 || true)
if [ -n "$line" ]; then
  passed=$((passed + $(sed -E 's/^([0-9]+) passed.*/\1/' <<<"$line")))
  bad=$(sed -E 's/^[0-9]+ passed, ([0-9]+) failed.*/\1/' <<<"$line")
  failed=$((failed + bad))
  [ "$e2e_status" -eq 0 ] || [ "$bad" -gt 0 ] || failed=$((failed + 1))
else
  failed=$((failed + 1))
  echo "e2e: the suite did not finish"
fi

echo "all: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
