#!/usr/bin/env bash
# End-to-end tests of the Windows build under Wine on a private X server.
#
#   tests/e2e/run_e2e.sh <win32-build-dir>        e.g. tests/e2e/run_e2e.sh build/win32
#
# Drives Qm4103.exe with the console test driver (tools/testdriver) and prints
# `PASS name` / `FAIL name: reason` per case, then `N passed, M failed`.
# Exit status is non-zero when a case or the set-up fails.
#
# Environment:
#   E2E_DISPLAY        use this X display instead of starting an Xvfb
#   E2E_ARTIFACTS      where logs and screenshots go (default <build-dir>/../e2e-artifacts)
#   E2E_EXE            program under test (default <build-dir>/Qm4103.exe)
#   E2E_DRIVER         testdriver.exe to use (default: from the build dir, else built here)
#   E2E_FRESH_PREFIX=1 use a throwaway Wine prefix instead of the cached one
#   E2E_KEEP_TMP=1     keep the temporary directory for inspection
#   E2E_ONLY           run only the cases whose names match these patterns
#                      (blank-separated, e.g. 'main_window dialog_*')
#   E2E_HALL_TIME      the hall's clock when the suite starts (default 13:00)
#   E2E_SOAK=1         also play one machine for a while, a screenshot every ten
#                      seconds (E2E_SOAK_SHOTS of them, default 18)
#
# The Wine prefix is cached in ${XDG_CACHE_HOME:-~/.cache}/tamarow-e2e/prefix
# because creating one takes a while; it is only ever used by this script,
# never the user's ~/.wine. HOME itself points into a temporary directory
# while Wine runs, so nothing of the user's is touched.
set -u

die_setup() {
  echo "FAIL setup: $*"
  echo "0 passed, 1 failed"
  exit 2
}

[ $# -ge 1 ] || { echo "usage: $0 <win32-build-dir>" >&2; exit 2; }
[ -d "$1" ] || die_setup "no build directory $1"
BUILD=$(cd "$1" && pwd)
SRC_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
EXE=${E2E_EXE:-$BUILD/Qm4103.exe}
ART=${E2E_ARTIFACTS:-$(dirname "$BUILD")/e2e-artifacts}
REAL_HOME=${HOME:-/root}
CACHE_ROOT=${XDG_CACHE_HOME:-$REAL_HOME/.cache}/tamarow-e2e

[ -f "$EXE" ] || die_setup "program not found: $EXE"
for tool in wine wineboot wineserver timeout import; do
  command -v "$tool" >/dev/null || die_setup "$tool is not installed (see tools/setup-debian.sh)"
done

TMP=$(mktemp -d "${TMPDIR:-/tmp}/tamarow-e2e.XXXXXX") || die_setup "mktemp failed"
XVFB_PID=""

cleanup() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    timeout 20 wineserver -k >/dev/null 2>&1
    timeout 20 wineserver -w >/dev/null 2>&1
  fi
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
  fi
  if [ "${E2E_KEEP_TMP:-0}" = 1 ]; then echo "kept $TMP"; else rm -rf "$TMP"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$ART" "$TMP/home" || die_setup "cannot create $ART"
rm -f "$ART"/*.log "$ART"/*.bmp "$ART"/*.png "$ART"/summary.txt

export HOME="$TMP/home"
# No sound card on a CI machine: a silent ALSA default device lets the game's
# sound output open and play as usual instead of failing with log noise.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# The shops keep hours (the day shop closes at 22:00 and the night shop opens),
# so a walk that crosses a change sees "closing time" instead of a machine.
# The suite runs in a time zone where it is E2E_HALL_TIME (13:00: the day shop
# is open and stays open for hours) when it starts. Wine takes the zone from TZ.
hall_time=${E2E_HALL_TIME:-13:00}
now_min=$((10#$(date -u +%H) * 60 + 10#$(date -u +%M)))
hall_min=$((10#${hall_time%:*} * 60 + 10#${hall_time#*:}))
off=$(( ((hall_min - now_min) % 1440 + 1440) % 1440 ))
[ "$off" -gt 720 ] && off=$((off - 1440))
sign=- && [ "$off" -lt 0 ] && sign=+ && off=$((-off))
export TZ="<HALL>$sign$((off / 60)):$(printf %02d $((off % 60)))"
echo "hall time: $(date +%H:%M) (TZ=$TZ)"
unset WINELOADER WINESERVER

# ---- Wine prefix -----------------------------------------------------------

WINE_VERSION=$(wine --version 2>/dev/null) || die_setup "wine --version failed"
echo "wine: $WINE_VERSION"

# The cached prefix may only be used by one run at a time: two runs sharing a
# wineserver would see each other's programs as a running first copy.
PREFIX=""
if [ "${E2E_FRESH_PREFIX:-0}" != 1 ] && mkdir -p "$CACHE_ROOT" 2>/dev/null; then
  exec 9>"$CACHE_ROOT/lock"
  if flock -n 9; then
    PREFIX="$CACHE_ROOT/prefix"
  else
    echo "note: cached prefix is in use by another run; using a throwaway one"
  fi
fi
[ -n "$PREFIX" ] || PREFIX="$TMP/prefix"
case "$(realpath -m "$PREFIX")" in
  "$(realpath -m "$REAL_HOME/.wine")") die_setup "refusing to use $PREFIX as the test prefix" ;;
esac
export WINEPREFIX="$PREFIX"
MARKER="$PREFIX/.tamarow-e2e-ready"
PREFIX_SETTINGS=2 # raise when make_prefix changes, so cached prefixes are made again

prefix_ok() {
  [ -f "$MARKER" ] && [ "$(cat "$MARKER")" = "$WINE_VERSION $PREFIX_SETTINGS" ] &&
    [ -f "$PREFIX/system.reg" ] && [ -d "$PREFIX/drive_c/windows/system32" ]
}

make_prefix() {
  local log="$ART/prefix-setup.log"
  # Only a directory with this script's name is ever removed.
  case "$PREFIX" in */tamarow-e2e/prefix | "$TMP"/prefix) rm -rf "$PREFIX" ;; esac
  echo "creating Wine prefix $PREFIX (first run: this takes a while)"
  export WINEARCH=win32
  if ! timeout 300 wineboot -i </dev/null >"$log" 2>&1; then
    echo "note: a 32-bit (WINEARCH=win32) prefix could not be made; trying wine's default"
    timeout 20 wineserver -k >/dev/null 2>&1
    rm -rf "$PREFIX"
    unset WINEARCH
    timeout 300 wineboot -i </dev/null >>"$log" 2>&1 || return 1
  fi
  # Without a window manager, Wine leaves frames and captions undrawn unless
  # it is told to draw them itself; screenshots then show the whole window.
  timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f \
    </dev/null >>"$log" 2>&1 || return 1
  # Nor should it wait for a window manager that is not there: every closing
  # dialog would stall for two seconds.
  timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    </dev/null >>"$log" 2>&1 || return 1
  # The dialogs' font, "ＭＳ Ｐゴシック", is a Japanese proportional font.
  timeout 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f \
    </dev/null >>"$log" 2>&1 || return 1
  timeout 60 wineserver -w >/dev/null 2>&1
  [ -f "$PREFIX/system.reg" ] || return 1
  echo "$WINE_VERSION $PREFIX_SETTINGS" >"$MARKER"
}

# ---- X server ----------------------------------------------------------------

start_xvfb() {
  local n
  for n in 91 92 93 94 95 96 97 98 99; do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -nolisten tcp -screen 0 1024x768x24 >"$TMP/xvfb-$n.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
      [ -S "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
  done
  return 1
}

if [ -n "${E2E_DISPLAY:-}" ]; then
  export DISPLAY="$E2E_DISPLAY"
else
  command -v Xvfb >/dev/null || die_setup "Xvfb is not installed"
  start_xvfb || die_setup "could not start Xvfb on any of :91..:99"
fi
echo "display: $DISPLAY"

# Wine needs the display already while creating a prefix.
if ! prefix_ok; then
  make_prefix || die_setup "could not create the Wine prefix (see $ART/prefix-setup.log)"
fi
if [ -d "$PREFIX/drive_c/windows/syswow64" ]; then echo "prefix: $PREFIX (64-bit)"; else echo "prefix: $PREFIX (win32)"; fi
# The cached prefix links the user's Documents (and the other shell folders)
# to the HOME of the run that made it; point them at this run's HOME, where
# the program keeps its data folder "venko".
for link in "$PREFIX"/drive_c/users/*/*; do
  [ -L "$link" ] && ln -sfn "$HOME" "$link"
done

# ---- test driver ---------------------------------------------------------------

DRIVER=${E2E_DRIVER:-}
if [ -z "$DRIVER" ]; then
  for d in "$BUILD/testdriver.exe" "$BUILD/tools/testdriver/testdriver.exe"; do
    [ -f "$d" ] && { DRIVER=$d; break; }
  done
fi
if [ -z "$DRIVER" ]; then
  echo "testdriver.exe not in the build directory; building it from tools/testdriver"
  DRIVER="$TMP/testdriver.exe"
  i686-w64-mingw32-g++ -std=c++17 -O1 -municode -static -static-libgcc -static-libstdc++ \
    -o "$DRIVER" "$SRC_ROOT/tools/testdriver/testdriver.cpp" -luser32 -lgdi32 >"$TMP/driver-build.log" 2>&1 ||
    die_setup "could not build the test driver: $(tail -5 "$TMP/driver-build.log")"
fi
echo "driver: $DRIVER"
echo "program: $EXE"
echo "artifacts: $ART"

# ---- helpers used inside the cases -----------------------------------------

# drv LOG STEP...: runs the driver, appending its output to LOG; returns its status.
drv() {
  local log=$1
  shift
  echo "\$ testdriver $*" >>"$log"
  timeout --kill-after=5 "${DRV_LIMIT:-50}" wine "$DRIVER" "$@" </dev/null >>"$log" 2>&1
  local rc=$?
  echo "[driver exit $rc]" >>"$log"
  return $rc
}

# A case collects its complaints in $REASON_FILE; the first one becomes the reason.
complain() { echo "$*" >>"$REASON_FILE"; }

# expect LOG key=value: the driver printed exactly this line.
expect() {
  grep -qxF -- "$2" "$1" || complain "expected '$2', got '$(grep -m1 "^${2%%=*}=" "$1" || echo nothing)'"
}

# Converts the driver's BMP to PNG so it can be viewed anywhere.
to_png() { [ -f "$1" ] && convert "$1" "${1%.bmp}.png" 2>/dev/null && rm -f "$1"; }

# screen_not_blank PNG: something other than one flat colour is on the screen.
# Without a working `convert` this check is skipped rather than failed.
screen_not_blank() {
  local sd
  sd=$(convert "$1" -format '%[fx:standard_deviation]' info: 2>/dev/null)
  [ "$sd" != 0 ] || complain "screen capture $1 is blank"
}

export DRIVER EXE ART TMP SRC_ROOT
export -f drv complain expect to_png screen_not_blank

MSG_TEXT='【TAMAROW No.3】と同時には遊べません。'
export MSG_TEXT

# ---- cases -----------------------------------------------------------------------

# (a) The main window looks as it should, and closing it ends the program with 0.
case_main_window() {
  local log="$ART/main_window.log" go="$TMP/main_window.go"
  drv "$log" start "$EXE" wait-window Qm4101Main info shot "$ART/main_window.bmp" \
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
  expect "$log" "title=TAMAROW No.3"
  expect "$log" "class=Qm4101Main"
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
  drv "$log" start "$EXE" wait-window Qm4101Main mapping-text \
    start2 "$EXE" wait-msgbox no-window Qm4101Main 1000 shot "$ART/second_copy_msgbox.bmp" \
    press-ok no-window Qm4101Main 5000 expect-exit 0 \
    select 1 expect-running info close expect-exit 0 ||
    complain "driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  expect "$log" "mapping_text=$MSG_TEXT"
  expect "$log" "msgbox_caption=TAMAROW No.3"
  expect "$log" "msgbox_text=$MSG_TEXT"
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
  drv "$log" start "$EXE" wait-window Qm4101Main close expect-exit 0 mapping-text \
    start "$EXE" wait-window Qm4101Main no-visible-window '#32770' 1000 info close expect-exit 0 ||
    complain "driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  expect "$log" "mapping=absent"
  [ "$(grep -c '^window=Qm4101Main$' "$log")" = 2 ] || complain "the program did not show its window twice"
  [ "$(grep -c '^exit=0$' "$log")" = 2 ] || complain "expected both runs to exit with 0: $(grep '^exit=' "$log" | tr '\n' ' ')"
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
  drv "$log" start "$EXE" wait-window Qm4101Main close expect-exit 0 ||
    complain "driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  dir=$(venko_folder)
  [ -n "$dir" ] || { complain "no venko folder under the documents folder"; return 0; }
  echo "data folder: $dir" >>"$log"
  [ "$(stat -c %s "$dir/Qm4103.dat" 2>/dev/null)" = 14872 ] || complain "Qm4103.dat is not 14872 bytes"
  [ "$(stat -c %s "$dir/venko.dat" 2>/dev/null)" = 1856 ] || complain "venko.dat is not 1856 bytes"
  ls "$dir" | grep -q '\.tmp$' && complain "a temporary file was left behind: $(ls "$dir")"

  head -c 1000 /dev/urandom >"$dir/venko.dat"
  cp "$dir/venko.dat" "$TMP/damaged"
  drv "$log" start "$EXE" wait-window Qm4101Main wait-msgbox press-ok close expect-exit 0 ||
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
  drv "$log" start "$EXE" wait-window Qm4101Main close expect-exit 0 ||
    complain "driver failed on the first run: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  dir=$(venko_folder)
  [ -f "$dir/venko.dat" ] || { complain "no venko.dat after the first run"; return 0; }
  cp "$dir/venko.dat" "$TMP/good"
  mkdir "$dir/venko.dat.tmp"
  drv "$log" start "$EXE" wait-window Qm4101Main command 40304 wait-dialog "$T_LIST" \
    click 1503 wait-dialog "$T_REGISTER" set-text 1101 Kei click 1 dialog-gone click 1 dialog-gone \
    close wait-msgbox press 4 wait-msgbox shot "$ART/save_failure.bmp" press 2 expect-exit 0 ||
    complain "driver failed on the second run: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  [ "$(grep -c '^msgbox_text=データを保存できませんでした。' "$log")" = 2 ] ||
    complain "expected the save question twice (Retry, then Cancel)"
  cmp -s "$dir/venko.dat" "$TMP/good" || complain "the player file changed although its save failed"
  rmdir "$dir/venko.dat.tmp"

  # held open by another program at start-up: told, played with fresh
  # players, and the file is not written over at the close
  drv "$log" hold-file "$dir/venko.dat" start "$EXE" wait-window Qm4101Main wait-msgbox press-ok \
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
  local log="$ART/unit_tests_under_wine.log" exe
  exe="$(dirname "$EXE")/unit_no3.exe"
  [ -f "$exe" ] || { complain "no $exe (the Windows tree builds it when GoogleTest's sources are installed)"; return 0; }
  timeout --kill-after=5 150 wine "$exe" --gtest_brief=1 </dev/null >"$log" 2>&1 ||
    complain "$(grep -m1 -E '^\[  FAILED  \]' "$log" || echo "unit_no3.exe failed, see $log")"
  grep -q '^\[  PASSED  \]' "$log" || complain "no PASSED line from unit_no3.exe"
  grep -E '^\[(==========|  PASSED  |  SKIPPED |  FAILED  )\]' "$log" | head -4 | sed 's/^/    /'
  return 0
}

# (a) Every picture and wave the program loads is built into the executable
#     as the generated file it came from (whose sizes, colours and formats
#     the unit tests check), and nothing else under those numbers.
case_resources_built_in() {
  local log="$ART/resources_built_in.log" out="$TMP/resources" art f id want=0
  art="$SRC_ROOT/programs/art"
  mkdir -p "$out"
  drv "$log" extract-resources "$EXE" DIBITMAP 500 699 "$out" extract-resources "$EXE" WAVE 700 799 "$out" ||
    complain "driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  for f in "$art"/[5-7][0-9][0-9].bmp "$art"/[5-7][0-9][0-9].wav; do
    id=$(basename "${f%.*}")
    want=$((want + 1))
    cmp -s "$f" "$out/$id.bin" || complain "resource $id in the program differs from $(basename "$f") (or is missing)"
  done
  [ "$(ls "$out" | wc -l)" = "$want" ] || complain "the program holds $(ls "$out" | wc -l) pictures and waves, expected $want"
  return 0
}

export -f case_save_failure_asks case_unit_tests_under_wine case_resources_built_in
export -f venko_folder case_main_window case_second_copy case_restart_after_exit case_driver_reports_timeout \
  case_data_files_saved

# The player, purchase, score, version and notice dialogs.
source "$(dirname "$0")/dialogs_e2e.sh"
# The walk of a whole visit through the commands.
source "$(dirname "$0")/shell_e2e.sh"

# ---- runner ------------------------------------------------------------------------

PASSED=0
FAILED=0
run_case() {
  local name=$1 limit=${2:-60} rc start=$SECONDS
  # E2E_ONLY: patterns of the case names to run, separated by blanks (all when unset)
  if [ -n "${E2E_ONLY:-}" ]; then
    local pattern patterns wanted=0
    read -ra patterns <<<"$E2E_ONLY" # split, never matched against files
    for pattern in "${patterns[@]}"; do
      # shellcheck disable=SC2053
      [[ $name == $pattern ]] && wanted=1
    done
    [ $wanted = 1 ] || return 0
  fi
  export REASON_FILE="$TMP/$name.reason"
  : >"$REASON_FILE"
  timeout --kill-after=5 "$limit" bash -c "case_$name" </dev/null
  rc=$?
  [ $rc = 124 ] || [ $rc = 137 ] && complain "timed out after $limit s"
  [ $rc != 0 ] && [ ! -s "$REASON_FILE" ] && complain "case exited with status $rc"
  if [ -s "$REASON_FILE" ]; then
    FAILED=$((FAILED + 1))
    echo "FAIL $name: $(head -1 "$REASON_FILE") ($((SECONDS - start)) s)" | tee -a "$ART/summary.txt"
    sed -n '2,$s/^/    also: /p' "$REASON_FILE"
    # Whatever the failed case left running must not look like a first copy
    # to the next case.
    timeout 20 wineserver -k >/dev/null 2>&1
    timeout 20 wineserver -w >/dev/null 2>&1
  else
    PASSED=$((PASSED + 1))
    echo "PASS $name ($((SECONDS - start)) s)" | tee -a "$ART/summary.txt"
  fi
}

# Starting wineserver and its services the first time is slow; do it once
# here so that it does not eat into the first case's time limit.
timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1 || echo "note: warming up Wine failed"

run_case unit_tests_under_wine 160
run_case resources_built_in
run_case main_window
run_case second_copy
run_case restart_after_exit
run_case driver_reports_timeout
run_case data_files_saved
run_case save_failure_asks
run_case dialog_register_players
run_case dialog_name_cut
run_case dialog_full_list
run_case dialog_delete_players
run_case dialog_select_player
run_case dialog_purchase
run_case dialog_purchase_short
run_case dialog_scores_and_version
run_case dialog_notice
run_case street_refusals
run_case shell_full_visit 180
run_case help_opens
[ "${E2E_SOAK:-0}" = 1 ] && run_case play_soak $((140 + 10 * ${E2E_SOAK_SHOTS:-18}))

echo "$PASSED passed, $FAILED failed" | tee -a "$ART/summary.txt"
[ "$FAILED" = 0 ]
