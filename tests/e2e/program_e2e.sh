# End-to-end cases every program of the family passes: its main window, the
# running-alone guard, its data files, the unit tests under Wine and the
# pictures and waves built into it. Sourced by run_e2e.sh after its helpers;
# the cases use the per-program variables (EXE, MACHINE_*, ART, TMP, ...).

# (a) The main window looks as it should, and closing it ends the program with 0.
case_main_window() {
  local log="$ART/main_window.log" go="$TMP/main_window.go"
  drv "$log" start "$EXE" wait-window "$MACHINE_MAIN_CLASS" info shot "$ART/main_window.bmp" \
    wait-file "$go" close expect-exit 0 &
  local pid=$!
  # Grab the whole X screen while the window is up: the driver waits for $go.
  for _ in $(seq 800); do
    grep -q '^shot=' "$log" 2>/dev/null && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.05
  done
  import -window root "$ART/main_window_screen.png" 2>>"$log" || complain "import -window root failed"
  touch "$go"
  wait $pid || complain "driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  expect "$log" "title=$MACHINE_PROGRAM_TITLE"
  expect "$log" "class=$MACHINE_MAIN_CLASS"
  expect "$log" "client=608x432"
  expect "$log" "menu=yes"
  grep -qE '^menubar_px=[1-9][0-9]*$' "$log" || complain "no menu bar laid out: $(grep -m1 '^menubar_px=' "$log")"
  expect "$log" "resizable=no"
  expect "$log" "maximizebox=no"
  expect "$log" "exit=0"
  grep -q '^shot=.* black$' "$log" && complain "window capture is all black"
  [ -f "$ART/main_window_screen.png" ] && screen_not_blank "$ART/main_window_screen.png"
  to_png "$ART/main_window.bmp"
  return 0
}

# (b) A second copy refuses to run beside the first and leaves the first alone.
case_second_copy() {
  local log="$ART/second_copy.log"
  drv "$log" start "$EXE" wait-window "$MACHINE_MAIN_CLASS" mapping-text \
    start2 "$EXE" wait-msgbox no-window "$MACHINE_MAIN_CLASS" 1000 shot "$ART/second_copy_msgbox.bmp" \
    press-ok no-window "$MACHINE_MAIN_CLASS" 5000 expect-exit 0 \
    select 1 expect-running info close expect-exit 0 ||
    complain "driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  expect "$log" "mapping_text=$ALONE_TEXT"
  expect "$log" "msgbox_caption=$MACHINE_PROGRAM_TITLE"
  expect "$log" "msgbox_text=$ALONE_TEXT"
  expect "$log" "msgbox_owner=none"
  # The icon is recognised from pixels; only a definite wrong answer counts.
  grep -qxE 'msgbox_icon=(stop|unknown)' "$log" || complain "expected a stop icon, got '$(grep -m1 '^msgbox_icon=' "$log")'"
  [ "$(grep -c '^exit=0$' "$log")" = 2 ] || complain "expected both copies to exit with 0: $(grep '^exit=' "$log" | tr '\n' ' ')"
  expect "$log" "running=yes"
  to_png "$ART/second_copy_msgbox.bmp"
  return 0
}

# (c) The guard goes away with the program: a later start is a first copy again.
case_restart_after_exit() {
  local log="$ART/restart_after_exit.log"
  drv "$log" start "$EXE" wait-window "$MACHINE_MAIN_CLASS" close expect-exit 0 mapping-text \
    start "$EXE" wait-window "$MACHINE_MAIN_CLASS" no-visible-window '#32770' 1000 info close expect-exit 0 ||
    complain "driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  expect "$log" "mapping=absent"
  [ "$(grep -cxF "window=$MACHINE_MAIN_CLASS" "$log")" = 2 ] || complain "the program did not show its window twice"
  [ "$(grep -c '^exit=0$' "$log")" = 2 ] || complain "expected both runs to exit with 0: $(grep '^exit=' "$log" | tr '\n' ' ')"
  return 0
}

# (e) The hall and the players are saved at the close, in "venko\" under the
#     documents folder, with the family's file sizes; a damaged player file is
#     kept aside as venko.dat.bad (the user is told) and replaced by a sound one.
venko_folder() {
  find -L "$HOME" "$WINEPREFIX/drive_c/users" -maxdepth 4 -type d -name venko 2>/dev/null | head -1
}
case_data_files_saved() {
  local log="$ART/data_files_saved.log" dir
  dir=$(venko_folder)
  [ -n "$dir" ] && rm -rf "$dir"
  drv "$log" start "$EXE" wait-window "$MACHINE_MAIN_CLASS" close expect-exit 0 ||
    complain "driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  dir=$(venko_folder)
  [ -n "$dir" ] || { complain "no venko folder under the documents folder"; return 0; }
  echo "data folder: $dir" >>"$log"
  [ "$(stat -c %s "$dir/$MACHINE_SHOP_FILE" 2>/dev/null)" = "$SHOP_BYTES" ] ||
    complain "$MACHINE_SHOP_FILE is not $SHOP_BYTES bytes; the folder holds: $(cd "$dir" && stat -c '%n %s,' -- *)"
  [ "$(stat -c %s "$dir/venko.dat" 2>/dev/null)" = 1856 ] || complain "venko.dat is not 1856 bytes"
  ls "$dir" | grep -q '\.tmp$' && complain "a temporary file was left behind: $(ls "$dir")"

  head -c 1000 /dev/urandom >"$dir/venko.dat"
  cp "$dir/venko.dat" "$TMP/damaged"
  drv "$log" start "$EXE" wait-window "$MACHINE_MAIN_CLASS" wait-msgbox press-ok close expect-exit 0 ||
    complain "driver failed on the second run: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  grep -q '^msgbox_text=「venko.dat」が壊れていたため、新しく始めます。' "$log" ||
    complain "the user was not told that venko.dat was damaged"
  cmp -s "$dir/venko.dat.bad" "$TMP/damaged" || complain "the damaged player file was not kept as venko.dat.bad"
  [ "$(stat -c %s "$dir/venko.dat" 2>/dev/null)" = 1856 ] || complain "venko.dat was not written again"
  return 0
}

# (e2) A save that fails at the close (here: a folder stands where the
#      temporary file must go) asks whether to try again; Retry asks again
#      while it still fails, Cancel ends the program, and the last good player
#      file is untouched. A player file another program holds open is
#      reported at start-up and left as it is.
case_save_failure_asks() {
  local log="$ART/save_failure_asks.log" dir
  dlg_fresh_data
  drv "$log" start "$EXE" wait-window "$MACHINE_MAIN_CLASS" close expect-exit 0 ||
    complain "driver failed on the first run: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  dir=$(venko_folder)
  [ -f "$dir/venko.dat" ] || { complain "no venko.dat after the first run"; return 0; }
  cp "$dir/venko.dat" "$TMP/good"
  mkdir "$dir/venko.dat.tmp"
  drv "$log" start "$EXE" wait-window "$MACHINE_MAIN_CLASS" command 40304 wait-dialog "$T_LIST" \
    click 1503 wait-dialog "$T_REGISTER" set-text 1101 Kei click 1 dialog-gone click 1 dialog-gone \
    close wait-msgbox press 4 wait-msgbox shot "$ART/save_failure.bmp" press 2 expect-exit 0 ||
    complain "driver failed on the second run: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  [ "$(grep -c '^msgbox_text=データを保存できませんでした。' "$log")" = 2 ] ||
    complain "expected the save question twice (Retry, then Cancel)"
  cmp -s "$dir/venko.dat" "$TMP/good" || complain "the player file changed although its save failed"
  rmdir "$dir/venko.dat.tmp"

  # held open by another program at start-up: told, played with fresh
  # players, and the file is not written over at the close
  drv "$log" hold-file "$dir/venko.dat" start "$EXE" wait-window "$MACHINE_MAIN_CLASS" wait-msgbox press-ok \
    close expect-exit 0 || complain "driver failed on the third run: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  grep -q '^msgbox_text=「venko.dat」を読み込めませんでした。' "$log" || complain "the user was not told venko.dat could not be read"
  cmp -s "$dir/venko.dat" "$TMP/good" || complain "the unreadable player file was written over"
  to_png "$ART/save_failure.bmp"
  return 0
}

# (u) The unit tests as the 32-bit Windows build compiles them, under Wine:
#     the golden runs, the record layouts and the data files behave the same
#     with the players' compiler and platform as natively.
case_unit_tests_under_wine() {
  local log="$ART/unit_tests_under_wine.log" exe="$BUILD/unit_$MODEL.exe"
  [ -f "$exe" ] || { complain "no $exe (the Windows tree builds it when GoogleTest's sources are installed)"; return 0; }
  timeout --kill-after=5 150 wine "$exe" --gtest_brief=1 </dev/null >"$log" 2>&1 ||
    complain "$(grep -m1 -E '^\[  FAILED  \]' "$log" || echo "unit_$MODEL.exe failed, see $log")"
  grep -q '^\[  PASSED  \]' "$log" || complain "no PASSED line from unit_$MODEL.exe"
  grep -E '^\[(==========|  PASSED  |  SKIPPED |  FAILED  )\]' "$log" | head -4 | sed 's/^/    /'
  return 0
}

# rc_art RCFILE BASE: "TYPE ID FILE" for each picture (DIBITMAP) and wave
# (WAVE) a resource list names, FILE made absolute from BASE, the folder the
# list's paths are relative to.
rc_art() {
  awk -v base="$2" '
    { sub(/\/\/.*/, "") }
    $2 == "DIBITMAP" || $2 == "WAVE" { f = $3; gsub(/"/, "", f); print $2, $1, base "/" f }' "$1"
}

# art_lists: the resource lists the program's pictures and waves come from,
# as "RCFILE BASE": the engine's shared ones (programs/art/engine_art.rc,
# relative to programs/), then the model's own (machines/<model>/art/art.rc,
# relative to machines/; before the pictures moved into the modules:
# programs/art/<model>_art.rc, relative to programs/).
art_lists() {
  echo "$SRC_ROOT/programs/art/engine_art.rc $SRC_ROOT/programs"
  if [ -f "$SRC_ROOT/machines/$MODEL/art/art.rc" ]; then
    echo "$SRC_ROOT/machines/$MODEL/art/art.rc $SRC_ROOT/machines"
  else
    echo "$SRC_ROOT/programs/art/${MODEL}_art.rc $SRC_ROOT/programs"
  fi
}

# (a) Every picture and wave the program loads is built into the executable
#     as the generated file it came from (whose sizes, colours and formats
#     the unit tests check): the engine's and the model's own, each once, and
#     no other picture or wave at all.
case_resources_built_in() {
  local log="$ART/resources_built_in.log" out="$TMP/resources" rc base type id file n
  rm -rf "$out"
  mkdir -p "$out/DIBITMAP" "$out/WAVE"
  : >"$TMP/art.txt"
  while read -r rc base; do
    [ -f "$rc" ] || { complain "no resource list $rc"; continue; }
    echo "list: $rc" >>"$log"
    rc_art "$rc" "$base" >>"$TMP/art.txt"
  done < <(art_lists)
  drv "$log" extract-resources "$EXE" DIBITMAP 1 65535 "$out/DIBITMAP" \
    extract-resources "$EXE" WAVE 1 65535 "$out/WAVE" ||
    complain "driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  while read -r type id file; do
    if [ ! -f "$file" ]; then
      complain "the list names $file, which does not exist"
    elif ! cmp -s "$file" "$out/$type/$id.bin"; then
      complain "$type $id in the program differs from ${file#"$SRC_ROOT"/} (or is missing)"
    fi
  done <"$TMP/art.txt"
  n=$(cut -d' ' -f1,2 "$TMP/art.txt" | sort | uniq -d | tr '\n' ' ')
  [ -z "$n" ] || complain "listed more than once: $n"
  for type in DIBITMAP WAVE; do
    n=$(ls "$out/$type" | wc -l)
    [ "$n" = "$(grep -c "^$type " "$TMP/art.txt")" ] ||
      complain "the program holds $n resources of type $type, the lists name $(grep -c "^$type " "$TMP/art.txt")"
  done
  return 0
}

export -f case_save_failure_asks case_unit_tests_under_wine case_resources_built_in rc_art art_lists
export -f venko_folder case_main_window case_second_copy case_restart_after_exit case_data_files_saved
