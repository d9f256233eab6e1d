#!/usr/bin/env bash
# End-to-end tests of the Windows build under Wine on a private X server.
#
#   tests/e2e/run_e2e.sh <win32-build-dir> [model ...]
#       e.g. tests/e2e/run_e2e.sh build/win32          every program that is built
#            tests/e2e/run_e2e.sh build/win32 no3      TAMAROW No.3 only
#
# A model is a machine module, machines/<model>/; its names (program,
# captions, window class, data and help files) come from its
# machines/<model>/machine_identity.h. Without models on the command line,
# every machines/no*/ whose <MACHINE_PROGRAM>.exe is in the build directory
# is tested; a model named on the command line must exist and be built.
#
# Xvfb, the Wine prefix and the test driver are set up once. Then the cases
# of the family as a whole run (`family.*`), then for each model the cases
# every program passes (program_e2e.sh, dialogs_e2e.sh, shell_e2e.sh) and
# after them the model's own, from machines/<model>/tests/e2e_cases.sh when
# that file exists. Each case prints `PASS <model>.<case>` or
# `FAIL <model>.<case>: reason`; the last line is `N passed, M failed`.
# Exit status is non-zero when a case or the set-up fails.
#
# Environment:
#   E2E_DISPLAY        use this X display instead of starting an Xvfb
#   E2E_ARTIFACTS      where logs and screenshots go (default <build-dir>/../e2e-artifacts),
#                      one folder per model (and family/) below it
#   E2E_DRIVER         testdriver.exe to use (default: from the build dir, else built here)
#   E2E_FRESH_PREFIX=1 use a throwaway Wine prefix instead of the cached one
#   E2E_KEEP_TMP=1     keep the temporary directory for inspection
#   E2E_ONLY           run only the cases whose names match these patterns,
#                      blank-separated. A pattern with a dot is matched against
#                      the whole name ('no3.dialog_*', 'no5.*'), one without
#                      against the case's name in every program ('main_window'
#                      runs no3.main_window, no5.main_window, ...)
#   E2E_HALL_TIME      the hall's clock when the suite starts (default 13:00)
#   E2E_SOAK=1         also run the models' long plays (No.3: one machine for
#                      three minutes, a screenshot every ten seconds,
#                      E2E_SOAK_SHOTS of them, default 18)
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

[ $# -ge 1 ] || { echo "usage: $0 <win32-build-dir> [model ...]" >&2; exit 2; }
[ -d "$1" ] || die_setup "no build directory $1"
BUILD=$(cd "$1" && pwd)
shift
SRC_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
E2E_DIR="$SRC_ROOT/tests/e2e"
ART_ROOT=${E2E_ARTIFACTS:-$(dirname "$BUILD")/e2e-artifacts}
REAL_HOME=${HOME:-/root}
CACHE_ROOT=${XDG_CACHE_HOME:-$REAL_HOME/.cache}/tamarow-e2e

source "$E2E_DIR/identity.sh"

# ---- the programs under test -----------------------------------------------------

[ -z "${E2E_EXE:-}" ] || die_setup "E2E_EXE is gone: name the models instead (tests/e2e/run_e2e.sh <build-dir> no3)"

MODELS=()
if [ $# -gt 0 ]; then
  for model in "$@"; do
    model=${model%/}
    model=${model#machines/}
    [[ $model =~ ^[A-Za-z0-9_-]+$ ]] || die_setup "'$model' is not a model name (e.g. no3)"
    [ -f "$SRC_ROOT/machines/$model/machine_identity.h" ] ||
      die_setup "no machine module '$model' (machines/$model/machine_identity.h does not exist)"
    why=$(load_identity "$SRC_ROOT/machines/$model/machine_identity.h") || die_setup "$why"
    load_identity "$SRC_ROOT/machines/$model/machine_identity.h"
    [ -f "$BUILD/$MACHINE_PROGRAM.exe" ] || die_setup "$model's program is not built: no $BUILD/$MACHINE_PROGRAM.exe"
    MODELS+=("$model")
  done
else
  for header in "$SRC_ROOT"/machines/no*/machine_identity.h; do
    [ -f "$header" ] || continue
    model=$(basename "$(dirname "$header")")
    # a header the suite cannot read is family.identities' failure; the
    # other programs are still tested
    why=$(load_identity "$header") || { echo "note: $model skipped: $why"; continue; }
    load_identity "$header"
    if [ -f "$BUILD/$MACHINE_PROGRAM.exe" ]; then
      MODELS+=("$model")
    else
      echo "note: $model skipped: $MACHINE_PROGRAM.exe is not in $BUILD"
    fi
  done
  [ ${#MODELS[@]} -gt 0 ] || die_setup "no program of machines/no*/ is built in $BUILD"
fi
echo "models: ${MODELS[*]}"

for tool in wine wineboot wineserver timeout import; do
  command -v "$tool" >/dev/null || die_setup "$tool is not installed (see tools/setup-debian.sh)"
done

TMP_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/tamarow-e2e.XXXXXX") || die_setup "mktemp failed"
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
  if [ "${E2E_KEEP_TMP:-0}" = 1 ]; then echo "kept $TMP_ROOT"; else rm -rf "$TMP_ROOT"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$ART_ROOT" "$TMP_ROOT/home" || die_setup "cannot create $ART_ROOT"
# Last run's logs and screenshots, also those of the single folder used before
# the suite had one folder per model.
rm -f "$ART_ROOT"/*.log "$ART_ROOT"/*.bmp "$ART_ROOT"/*.png "$ART_ROOT"/summary.txt

export HOME="$TMP_ROOT/home"
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
[ -n "$PREFIX" ] || PREFIX="$TMP_ROOT/prefix"
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
  local log="$ART_ROOT/prefix-setup.log"
  # Only a directory with this script's name is ever removed.
  case "$PREFIX" in */tamarow-e2e/prefix | "$TMP_ROOT"/prefix) rm -rf "$PREFIX" ;; esac
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
    Xvfb ":$n" -nolisten tcp -screen 0 1024x768x24 >"$TMP_ROOT/xvfb-$n.log" 2>&1 &
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
  make_prefix || die_setup "could not create the Wine prefix (see $ART_ROOT/prefix-setup.log)"
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
  DRIVER="$TMP_ROOT/testdriver.exe"
  i686-w64-mingw32-g++ -std=c++17 -O1 -municode -static -static-libgcc -static-libstdc++ \
    -o "$DRIVER" "$SRC_ROOT/tools/testdriver/testdriver.cpp" -luser32 -lgdi32 >"$TMP_ROOT/driver-build.log" 2>&1 ||
    die_setup "could not build the test driver: $(tail -5 "$TMP_ROOT/driver-build.log")"
fi
echo "driver: $DRIVER"
echo "artifacts: $ART_ROOT"

# ---- helpers used inside the cases -----------------------------------------
#
# A case is a function case_NAME run in its own bash (so that its time limit
# can end it and whatever it started). It sees, besides the helpers below:
#   MODEL                 the model under test (no3)
#   MACHINE_*             the names of its machine_identity.h
#   EXE                   its program, <build>/<MACHINE_PROGRAM>.exe
#   HISTORY_LABEL         what a visit is called in a player's history
#   SHOP_BYTES            the size of its shop file, 2 x (228 + 17 x MACHINE_RECORD_BYTES)
#   ALONE_TEXT            its running-alone message, 【<title>】と同時には遊べません。
#   ART, TMP              its artifacts folder and its scratch folder
#   BUILD, SRC_ROOT, DRIVER, PLAY_CLASS (the play window's class, the family's)

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

# alone_text TITLE: what a program says when another of the family runs,
# naming the one that runs (string 5).
alone_text() { echo "【$1】と同時には遊べません。"; }

PLAY_CLASS=Qm4101Play
export BUILD SRC_ROOT DRIVER PLAY_CLASS IDENTITY_NAMES IDENTITY_NUMBERS
export -f drv complain expect to_png screen_not_blank identity_read load_identity alone_text

# The cases of every program.
source "$E2E_DIR/program_e2e.sh"
# The player, purchase, score, version and notice dialogs.
source "$E2E_DIR/dialogs_e2e.sh"
# The walk of a whole visit through the commands, the refusals and help.
source "$E2E_DIR/shell_e2e.sh"
# The family as a whole.
source "$E2E_DIR/family_e2e.sh"

# use_model MODEL: the per-program variables above, for MODEL's cases.
use_model() {
  MODEL=$1
  load_identity "$SRC_ROOT/machines/$MODEL/machine_identity.h" >/dev/null || return 1
  EXE="$BUILD/$MACHINE_PROGRAM.exe"
  HISTORY_LABEL=${MACHINE_HISTORY_LABEL:-$MACHINE_TITLE}
  SHOP_BYTES=$((2 * (228 + 17 * MACHINE_RECORD_BYTES)))
  ALONE_TEXT=$(alone_text "$MACHINE_PROGRAM_TITLE")
  use_folders "$MODEL"
  export MODEL EXE HISTORY_LABEL SHOP_BYTES ALONE_TEXT
}

# use_folders NAME: ART and TMP for the cases named NAME.*
use_folders() {
  ART="$ART_ROOT/$1"
  TMP="$TMP_ROOT/$1"
  mkdir -p "$ART" "$TMP"
  rm -f "$ART"/*.log "$ART"/*.bmp "$ART"/*.png
  export ART TMP
}

# A model's own cases file registers each of its cases with
#   e2e_case NAME [SECONDS]   (case_NAME is the function; 60 s when not given)
# and may leave some out (e.g. unless E2E_SOAK=1).
MODEL_CASES=()
e2e_case() { MODEL_CASES+=("$1 ${2:-60}"); }

# source_model_cases FILE: sources FILE and exports what it defines, so that
# the cases, which run in a bash of their own, see its functions and variables.
source_model_cases() {
  local -a funcs_before vars_before
  local name
  mapfile -t funcs_before < <(compgen -A function)
  mapfile -t vars_before < <(compgen -v)
  MODEL_CASES=()
  # shellcheck disable=SC1090
  source "$1"
  for name in $(compgen -A function); do
    [[ " ${funcs_before[*]} " == *" $name "* ]] || export -f "$name"
  done
  for name in $(compgen -v); do
    [[ " ${vars_before[*]} " == *" $name "* ]] || [ "$name" = MODEL_CASES ] || export "$name"
  done
}

# ---- runner ------------------------------------------------------------------------

# wanted NAME: E2E_ONLY selects the case PREFIX.CASE (all when unset).
wanted() {
  [ -n "${E2E_ONLY:-}" ] || return 0
  local name=$1 pattern patterns
  read -ra patterns <<<"$E2E_ONLY" # split, never matched against files
  for pattern in "${patterns[@]}"; do
    # shellcheck disable=SC2053
    if [[ $pattern == *.* ]]; then
      [[ $name == $pattern ]] && return 0
    else
      [[ ${name#*.} == $pattern ]] && return 0
    fi
  done
  return 1
}

PASSED=0
FAILED=0
# run_case PREFIX CASE [SECONDS]: runs case_CASE as PREFIX.CASE within SECONDS.
run_case() {
  local name="$1.$2" func="case_$2" limit=${3:-60} rc start=$SECONDS
  wanted "$name" || return 0
  export REASON_FILE="$TMP/$2.reason"
  : >"$REASON_FILE"
  timeout --kill-after=5 "$limit" bash -c "$func" </dev/null
  rc=$?
  [ $rc = 124 ] || [ $rc = 137 ] && complain "timed out after $limit s"
  [ $rc != 0 ] && [ ! -s "$REASON_FILE" ] && complain "case exited with status $rc"
  if [ -s "$REASON_FILE" ]; then
    FAILED=$((FAILED + 1))
    echo "FAIL $name: $(head -1 "$REASON_FILE") ($((SECONDS - start)) s)" | tee -a "$ART_ROOT/summary.txt"
    sed -n '2,$s/^/    also: /p' "$REASON_FILE"
    # Whatever the failed case left running must not look like a first copy
    # to the next case.
    timeout 20 wineserver -k >/dev/null 2>&1
    timeout 20 wineserver -w >/dev/null 2>&1
  else
    PASSED=$((PASSED + 1))
    echo "PASS $name ($((SECONDS - start)) s)" | tee -a "$ART_ROOT/summary.txt"
  fi
}

# Starting wineserver and its services the first time is slow; do it once
# here so that it does not eat into the first case's time limit.
timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1 || echo "note: warming up Wine failed"

# The family: every module's names, and what programs see of each other.
use_model "${MODELS[0]}"
use_folders family
export E2E_MODELS="${MODELS[*]}"
run_case family identities 20
run_case family driver_reports_timeout
if [ ${#MODELS[@]} -ge 2 ]; then
  run_case family guard_every_pair 400
  run_case family players_shared 900
fi

for model in "${MODELS[@]}"; do
  use_model "$model" || die_setup "cannot read machines/$model/machine_identity.h"
  echo "program: $EXE ($MACHINE_PROGRAM_TITLE, $MACHINE_TITLE)"
  run_case "$model" unit_tests_under_wine 160
  run_case "$model" resources_built_in
  run_case "$model" main_window
  run_case "$model" second_copy
  run_case "$model" restart_after_exit
  run_case "$model" data_files_saved
  run_case "$model" save_failure_asks
  run_case "$model" dialog_register_players
  run_case "$model" dialog_name_cut
  run_case "$model" dialog_full_list
  run_case "$model" dialog_delete_players
  run_case "$model" dialog_select_player
  run_case "$model" dialog_purchase
  run_case "$model" dialog_purchase_short
  run_case "$model" dialog_scores_and_version
  run_case "$model" dialog_notice
  run_case "$model" street_refusals
  run_case "$model" shell_full_visit 180
  run_case "$model" help_opens

  own="$SRC_ROOT/machines/$model/tests/e2e_cases.sh"
  if [ -f "$own" ]; then
    source_model_cases "$own"
    for entry in "${MODEL_CASES[@]}"; do
      # shellcheck disable=SC2086
      run_case "$model" $entry
    done
  fi
done

[ $((PASSED + FAILED)) = 0 ] && [ -n "${E2E_ONLY:-}" ] && echo "note: no case matches E2E_ONLY='$E2E_ONLY'"
echo "$PASSED passed, $FAILED failed" | tee -a "$ART_ROOT/summary.txt"
[ "$FAILED" = 0 ]
