# End-to-end cases of the family as a whole, run once before the programs'
# own (as family.NAME): the modules' names, the test driver itself, and two
# programs of the family started together. Sourced by run_e2e.sh after its
# helpers; E2E_MODELS lists the models under test, EXE is the first one's.

# (n) The identity reader understands a header however it is written
#     (comments of both kinds, spacing, continued lines, names defined from
#     names), and every module's header gives all the names the suite needs,
#     none of the program's own shared with another module: two programs with
#     one shop or help file would overwrite each other's.
case_identities() {
  local log="$ART/identities.log" h="$TMP/identity_sample.h" header model got name seen
  cat >"$h" <<'HEADER'
/* a block comment over lines,
   #define MACHINE_NUMBER 9 must not count */
#pragma once
  #  define   MACHINE_NUMBER	(5)   // "No.5"
#define MACHINE_PROGRAM "Qm41" \
  "05"
#define MACHINE_PROGRAM_TITLE "TAMAROW No.5 /* part of the title */"
#define MACHINE_TITLE "A \"B\" // C"
#define MACHINE_HISTORY_LABEL MACHINE_TITLE
#define MACHINE_MAIN_CLASS "Qm4105Main"/* no blank before the comment */
#define MACHINE_SHOP_FILE MACHINE_PROGRAM ".dat"
#define MACHINE_HELP_FILE MACHINE_PROGRAM ".chm"
#define MACHINE_RECORD_BYTES (300 + 8u)
#define MACHINE_SIZE(x) (x)
#define MACHINE_UNKNOWN NOT_DEFINED_HERE
HEADER
  got=$(load_identity "$h" && declare -p "${!MACHINE_@}" 2>&1)
  echo "$got" >>"$log"
  for name in 'MACHINE_NUMBER="5"' 'MACHINE_PROGRAM="Qm4105"' 'MACHINE_PROGRAM_TITLE="TAMAROW No.5 /* part of the title */"' \
    'MACHINE_TITLE="A \"B\" // C"' 'MACHINE_HISTORY_LABEL="A \"B\" // C"' 'MACHINE_MAIN_CLASS="Qm4105Main"' \
    'MACHINE_SHOP_FILE="Qm4105.dat"' 'MACHINE_HELP_FILE="Qm4105.chm"' 'MACHINE_RECORD_BYTES="308"' 'MACHINE_UNKNOWN="?"'; do
    grep -qxF "declare -x $name" <<<"$got" || complain "the sample header should give $name: $(grep -m1 "${name%%=*}=" <<<"$got" || echo nothing)"
  done
  grep -q MACHINE_SIZE <<<"$got" && complain "a function-like macro was read as a name"
  sed '/MACHINE_MAIN_CLASS/d' "$h" >"$h.short"
  load_identity "$h.short" >/dev/null && complain "a header without MACHINE_MAIN_CLASS was accepted"

  seen="$TMP/identity_values"
  : >"$seen"
  for header in "$SRC_ROOT"/machines/*/machine_identity.h; do
    model=$(basename "$(dirname "$header")")
    got=$(load_identity "$header") || { complain "$got"; continue; }
    load_identity "$header"
    echo "$model: $MACHINE_NUMBER $MACHINE_PROGRAM '$MACHINE_PROGRAM_TITLE' '$MACHINE_TITLE' $MACHINE_MAIN_CLASS" \
      "$MACHINE_SHOP_FILE $MACHINE_HELP_FILE $MACHINE_RECORD_BYTES" >>"$log"
    for name in MACHINE_NUMBER MACHINE_PROGRAM MACHINE_PROGRAM_TITLE MACHINE_SHOP_FILE MACHINE_HELP_FILE; do
      printf '%s\t%s\t%s\n' "$name" "${!name}" "$model" >>"$seen"
    done
  done
  cut -f1,2 "$seen" | sort | uniq -d | while IFS=$'\t' read -r name got; do
    complain "$name $got is given by more than one module: $(awk -F'\t' -v n="$name" -v v="$got" '$1 == n && $2 == v { printf "%s ", $3 }' "$seen")"
  done
  return 0
}

# (d) The harness itself notices a missing window: a bounded wait fails with the
#     timeout status and the driver ends the program it started.
case_driver_reports_timeout() {
  local log="$ART/driver_reports_timeout.log" rc
  drv "$log" timeout 1500 start "$EXE" wait-window NoSuchWindowClass
  rc=$?
  [ $rc = 2 ] || complain "driver exit status $rc, expected 2 (timeout)"
  grep -q '^TIMEOUT: ' "$log" || complain "no TIMEOUT line"
  expect "$log" "cleanup_killed=1"
  drv "$log" mapping-text || complain "mapping-text failed"
  expect "$log" "mapping=absent"
  return 0
}

# (b2) The family plays one at a time: with the first program under test
#      running, the second refuses to start and names the first in its box
#      (the running-alone text the first left in the shared mapping); the
#      first goes on. Only when two or more programs are under test.
case_guard_across_programs() {
  local log="$ART/guard_across_programs.log" first second first_exe first_class first_alone second_exe second_class
  read -r first second _ <<<"$E2E_MODELS"
  load_identity "$SRC_ROOT/machines/$first/machine_identity.h" >/dev/null || complain "cannot read $first's names"
  first_exe="$BUILD/$MACHINE_PROGRAM.exe" first_class=$MACHINE_MAIN_CLASS
  first_alone=$(alone_text "$MACHINE_PROGRAM_TITLE")
  load_identity "$SRC_ROOT/machines/$second/machine_identity.h" >/dev/null || complain "cannot read $second's names"
  second_exe="$BUILD/$MACHINE_PROGRAM.exe" second_class=$MACHINE_MAIN_CLASS
  drv "$log" start "$first_exe" wait-window "$first_class" \
    start2 "$second_exe" wait-msgbox no-window "$second_class" 1000 shot "$ART/guard_across_programs.bmp" \
    press-ok no-window "$second_class" 5000 expect-exit 0 \
    select 1 expect-running close expect-exit 0 ||
    complain "driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  expect "$log" "msgbox_text=$first_alone"
  expect "$log" "msgbox_owner=none"
  expect "$log" "running=yes"
  [ "$(grep -c '^exit=0$' "$log")" = 2 ] || complain "expected both programs to exit with 0: $(grep '^exit=' "$log" | tr '\n' ' ')"
  to_png "$ART/guard_across_programs.bmp"
  return 0
}

export -f case_identities case_driver_reports_timeout case_guard_across_programs
