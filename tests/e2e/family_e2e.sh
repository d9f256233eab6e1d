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

# (b2) The family plays one at a time: with any program of the family
#      running, starting any other shows a stop box captioned with the
#      second program's own title, with the running one's text (string 5,
#      which the first left in the shared mapping), and the second ends with
#      0 before it has a window; the first goes on. Every ordered pair of the
#      programs under test.
case_guard_every_pair() {
  local log="$ART/guard_every_pair.log" first second steps=() first_class first_alone
  local -A exe class title alone
  for first in $E2E_MODELS; do
    load_identity "$SRC_ROOT/machines/$first/machine_identity.h" >/dev/null || complain "cannot read $first's names"
    exe[$first]="$BUILD/$MACHINE_PROGRAM.exe" class[$first]=$MACHINE_MAIN_CLASS title[$first]=$MACHINE_PROGRAM_TITLE
    alone[$first]=$(alone_text "$MACHINE_PROGRAM_TITLE")
  done
  : >"$log"
  for first in $E2E_MODELS; do
    steps=(start "${exe[$first]}" wait-window "${class[$first]}")
    for second in $E2E_MODELS; do
      [ "$second" = "$first" ] && continue
      steps+=(start2 "${exe[$second]}" wait-msgbox no-window "${class[$second]}" 500 press-ok
        no-window "${class[$second]}" 3000 expect-exit 0 select 1 expect-running)
    done
    steps+=(close expect-exit 0)
    echo "== $first running" >>"$log"
    DRV_LIMIT=90 drv "$log" "${steps[@]}" || complain "driver failed with $first running: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  done
  # the boxes in order: for each program running, one box for every other
  local k=0 got_caption got_text
  for first in $E2E_MODELS; do
    for second in $E2E_MODELS; do
      [ "$second" = "$first" ] && continue
      k=$((k + 1))
      got_caption=$(grep '^msgbox_caption=' "$log" | sed -n "${k}p")
      got_text=$(grep '^msgbox_text=' "$log" | sed -n "${k}p")
      [ "$got_caption" = "msgbox_caption=${title[$second]}" ] ||
        complain "$second started beside $first: caption '${got_caption#*=}', expected '${title[$second]}'"
      [ "$got_text" = "msgbox_text=${alone[$first]}" ] ||
        complain "$second started beside $first: text '${got_text#*=}', expected '${alone[$first]}'"
    done
  done
  [ "$(grep -c '^msgbox_owner=none$' "$log")" = "$k" ] || complain "a refusal box had an owner window"
  [ "$(grep -c '^exit=0$' "$log")" = $((k + $(wc -w <<<"$E2E_MODELS"))) ] ||
    complain "every program should have ended with 0: $(grep -c '^exit=0$' "$log") of $((k + $(wc -w <<<"$E2E_MODELS")))"
  echo "pairs: $k" >>"$log"
  return 0
}

# The order in which the programs run so that each runs at least once right
# after each other one: a walk over every ordered pair of the models given.
pair_walk() {
  local -a models=("$@") walk=()
  local -A used=()
  local n=${#models[@]} at=${models[0]} next b found
  local left=$((n * (n - 1)))
  walk+=("$at")
  while [ "$left" -gt 0 ]; do
    found=""
    for b in "${models[@]}"; do
      [ "$b" != "$at" ] && [ -z "${used[$at.$b]:-}" ] && { found=$b; break; }
    done
    if [ -z "$found" ]; then # stuck: go on from any program with a pair left
      for next in "${models[@]}"; do
        for b in "${models[@]}"; do
          [ "$b" != "$next" ] && [ -z "${used[$next.$b]:-}" ] && { found=$next; break 2; }
        done
      done
      at=$found
      walk+=("$at")
      continue
    fi
    used[$at.$found]=1
    left=$((left - 1))
    at=$found
    walk+=("$at")
  done
  echo "${walk[@]}"
}

# player_block FILE N: the bytes of record N of the player file (228 bytes
# and its checksum), as hex.
player_block() { od -An -v -tx1 -j $(($2 * 232)) -N 232 "$1" | tr -d ' \n'; }

# (p) Players are shared by the whole family: the programs run in turn on
#     one data folder, each at least once right after each other one. The
#     first registers two players; each program's first turn is a visit by
#     the first player (buy, play, exchange, leave); every other turn only
#     starts and closes. After every turn the player file holds exactly what
#     was done: a visit changes the first player's money by the exchange
#     less the purchase, puts the program's own label and today's date in
#     history row 0 and moves the older rows down, and counts the visit as a
#     win or a loss; every other byte of the file (the other player's record,
#     the free blocks) stays as it was, and a turn with nothing done leaves
#     the whole file byte for byte. No program touches another's shop file.
case_players_shared() {
  local log="$ART/players_shared.log" dir f prev="$TMP/venko.before" turn=0 model today
  local -a walk
  local -A visited=() exe=() class=() label=() shopfile=()
  today=$(date +%m/%d)
  for model in $E2E_MODELS; do
    load_identity "$SRC_ROOT/machines/$model/machine_identity.h" >/dev/null || complain "cannot read $model's names"
    exe[$model]="$BUILD/$MACHINE_PROGRAM.exe" class[$model]=$MACHINE_MAIN_CLASS
    label[$model]=${MACHINE_HISTORY_LABEL:-$MACHINE_TITLE} shopfile[$model]=$MACHINE_SHOP_FILE
  done
  read -ra walk <<<"$(pair_walk $E2E_MODELS)"
  echo "walk: ${walk[*]}" >>"$log"
  dlg_fresh_data
  for model in "${walk[@]}"; do
    turn=$((turn + 1))
    local steps=() what money_before money_after yen amount wins_before losses_before shops_before="$TMP/shops.$turn"
    dir=$(venko_folder)
    f="$dir/venko.dat"
    [ -n "$dir" ] && [ -f "$f" ] && cp "$f" "$prev"
    : >"$shops_before"
    for other in $E2E_MODELS; do
      [ -n "$dir" ] && [ -f "$dir/${shopfile[$other]}" ] && sha1sum "$dir/${shopfile[$other]}" >>"$shops_before"
    done
    if [ $turn = 1 ]; then
      what=register
      mapfile -t steps < <(printf '%s\n' command 40304 wait-dialog "$T_LIST"; register_steps Aki; register_steps Ben
        printf '%s\n' click 1 dialog-gone close expect-exit 0)
    elif [ -z "${visited[$model]:-}" ]; then
      what=visit
      visited[$model]=1
      money_before=$(file_word "$f" 44) wins_before=$(file_word "$f" 28) losses_before=$(file_word "$f" 32)
      mapfile -t steps < <(
        printf '%s\n' command 40303 wait-dialog "$T_SELECT" click 1 dialog-gone sleep 300
        printf '%s\n' take-machine "$PLAY_CLASS" 16
        printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" click 1303 click 1 dialog-gone
        printf '%s\n' post 256 38 0 sleep 1200 post 257 38 0 sleep 2500
        printf '%s\n' command 40313 wait-msgbox press-ok wait-msgbox press-ok
        printf '%s\n' command 40310 wait-msgbox press-ok close expect-exit 0)
    else
      what=look
      steps=(close expect-exit 0)
    fi
    echo "== turn $turn: $model $what" >>"$log"
    local start_log=$(wc -l <"$log")
    DRV_LIMIT=60 drv "$log" start "${exe[$model]}" wait-window "${class[$model]}" "${steps[@]}" ||
      { complain "turn $turn ($model $what): driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"; return 0; }
    dir=$(venko_folder)
    f="$dir/venko.dat"
    [ -f "$f" ] || { complain "turn $turn ($model $what): no player file"; return 0; }
    [ "$(stat -c %s "$f")" = 1856 ] || complain "turn $turn ($model $what): venko.dat is not 1856 bytes"
    # no other program's shop file was touched
    while read -r sum name; do
      [ "$name" = "$dir/${shopfile[$model]}" ] && continue
      [ "$(sha1sum "$name" | cut -d' ' -f1)" = "$sum" ] || complain "turn $turn ($model): $(basename "$name") changed"
    done <"$shops_before"
    case $what in
      register)
        [ "$(file_text "$f" 4 24)" = Aki ] && [ "$(file_text "$f" $((232 + 4)) 24)" = Ben ] ||
          complain "turn 1 ($model): the two players were not registered"
        [ "$(file_word "$f" 44)" = 10000 ] && [ "$(file_word "$f" $((232 + 44)))" = 10000 ] ||
          complain "turn 1 ($model): a new player has not 10,000 yen"
        ;;
      look)
        cmp -s "$f" "$prev" || complain "turn $turn ($model, nothing done): the player file changed"
        ;;
      visit)
        yen=$(sed -n "$start_log,\$p" "$log" | grep -A1 'msgbox_text=「Aki」さん' | sed -nE 's/^持ち玉 [0-9,]+個で ([0-9,]+)円と.*/\1/p' | tr -d ,)
        [ -n "$yen" ] || { complain "turn $turn ($model visit): no exchange message"; continue; }
        money_after=$(file_word "$f" 44)
        [ "$money_after" = $((money_before - 1000 + yen)) ] ||
          complain "turn $turn ($model visit): money $money_after, expected $money_before - 1000 + $yen"
        amount=$(file_word "$f" 80)
        [ "$amount" = $((money_after - money_before)) ] ||
          complain "turn $turn ($model visit): history row 0 says $amount, the money moved by $((money_after - money_before))"
        [ "$(file_text "$f" 48 6)" = "$today" ] || complain "turn $turn ($model visit): history row 0 is not dated today"
        [ "$(file_text "$f" 54 26 | iconv -f CP932 -t UTF-8 2>/dev/null)" = "${label[$model]}" ] ||
          complain "turn $turn ($model visit): history row 0 is not labelled ${label[$model]}"
        # the older rows moved down, byte for byte
        [ "$(od -An -v -tx1 -j 48 -N 108 "$prev" | tr -d ' \n')" = "$(od -An -v -tx1 -j 84 -N 108 "$f" | tr -d ' \n')" ] ||
          complain "turn $turn ($model visit): the older history rows did not move down unchanged"
        if [ "$amount" -gt 0 ]; then
          [ "$(file_word "$f" 28)" = $((wins_before + 1)) ] || complain "turn $turn ($model visit): a winning visit not counted"
        elif [ "$amount" -lt 0 ]; then
          [ "$(file_word "$f" 32)" = $((losses_before + 1)) ] || complain "turn $turn ($model visit): a losing visit not counted"
        fi
        echo "turn $turn: Aki $money_before -> $money_after (exchange $yen yen)" >>"$log"
        ;;
    esac
    # every record but the first player's stays byte for byte
    local n
    [ $turn = 1 ] && continue
    for n in 1 2 3 4 5 6 7; do
      [ "$(player_block "$f" $n)" = "$(player_block "$prev" $n)" ] ||
        complain "turn $turn ($model $what): player record $n changed"
    done
  done
  echo "turns: $turn" >>"$log"
  return 0
}

export -f case_identities case_driver_reports_timeout case_guard_every_pair pair_walk player_block case_players_shared
