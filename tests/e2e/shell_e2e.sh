# The walk of a visit through the commands, the street's refusals and the
# help, the same in every program, under Wine: sourced by run_e2e.sh after
# dialogs_e2e.sh (whose helpers it uses).

# Signed little-endian word at OFFSET of FILE.
file_word() {
  local v
  v=$(od -An -t d4 -j "$2" -N 4 "$1" | tr -d ' ')
  echo "$v"
}

# Zero-terminated text at OFFSET (at most LEN bytes) of FILE.
file_text() {
  dd if="$1" bs=1 skip="$2" count="$3" 2>/dev/null | tr -d '\0'
}

# (s) A whole visit: register two players, enter, walk the row, take a
#     machine, buy balls, fire with the up key, walk the hall keeping the
#     machine and come back, stop (17, then 18), leave (19); then two
#     players seated in two slots, a close that is cancelled and one that
#     walks both out and saves; the player file tells the story.
case_shell_full_visit() {
  local log="$ART/shell_full_visit.log" steps=() dir today
  today=$(date +%m/%d)
  dlg_fresh_data
  mapfile -t steps < <(
    printf '%s\n' command 40304 wait-dialog "$T_LIST"
    register_steps 'Aki'
    register_steps 'Ben'
    printf '%s\n' click 1 dialog-gone
    printf '%s\n' command 40303 wait-dialog "$T_SELECT" click 1 dialog-gone sleep 500
    printf '%s\n' command 40306 command 40307 command 40307 sleep 800 shot "$ART/shell_hall.bmp"
    printf '%s\n' take-machine "$PLAY_CLASS" 16
    printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" click 1303 click 1 dialog-gone
    # hold the up key for a second and a half: the strength rises, balls fly
    printf '%s\n' post 256 38 0 sleep 1500 post 257 38 0 sleep 6000 shot "$ART/shell_play.bmp"
    printf '%s\n' command 40312 sleep 500 command 40309 sleep 500
    printf '%s\n' command 40313 wait-msgbox press-ok wait-msgbox press-ok
    printf '%s\n' command 40310 wait-msgbox press-ok sleep 300
    # P2 takes Ben in, P1 takes Aki in again; both sit down
    printf '%s\n' command 40202 command 40303 wait-dialog "$T_SELECT" select-row 1201 1 click 1 dialog-gone
    printf '%s\n' take-machine "$PLAY_CLASS" 16
    printf '%s\n' command 40201 command 40303 wait-dialog "$T_SELECT" click 1 dialog-gone
    printf '%s\n' take-machine "$PLAY_CLASS" 16
    # closing: Cancel at the first question keeps the program running
    printf '%s\n' close wait-msgbox press 2 sleep 500 expect-running
    # then OK to everything: both players are walked out and the data saved
    printf '%s\n' close
    for _ in 1 2 3 4 5 6 7 8; do printf '%s\n' dismiss-msgbox 4000; done
    printf '%s\n' expect-exit 0
  )
  DRV_LIMIT=170 dlg_run "$log" "${steps[@]}" # one long walk: run_case gives it 180 s
  # a box's text is printed over two lines: the name, then the message
  grep -A1 'msgbox_text=「Aki」さん' "$log" | grep -q '^止めますか。' || complain "no stop question (17) for Aki"
  grep -A1 'msgbox_text=「Aki」さん' "$log" | grep -qE '^持ち玉 [0-9,]+個で [0-9,]+円と、余り [0-9]+個でした。' ||
    complain "no exchange message (18) for Aki"
  grep -A1 'msgbox_text=「Aki」さん' "$log" | grep -q '^またのご来店' || complain "no farewell (19) for Aki"
  grep -A1 'msgbox_text=「Ben」さん' "$log" | grep -q '^止めますか。' || complain "Ben was not asked at the close"
  expect "$log" "running=yes"
  expect "$log" "exit=0"
  to_png "$ART/shell_hall.bmp"
  to_png "$ART/shell_play.bmp"

  dir=$(venko_folder)
  [ -f "$dir/venko.dat" ] || { complain "no player file after the close"; return 0; }
  local f="$dir/venko.dat"
  [ "$(file_text "$f" 4 24)" = Aki ] || complain "record 0 is not Aki"
  [ "$(file_text "$f" $((232 + 4)) 24)" = Ben ] || complain "record 1 is not Ben"
  local money visits label date
  money=$(file_word "$f" 44)
  visits=$(($(file_word "$f" 28) + $(file_word "$f" 32)))
  # the label is kept in Shift-JIS, the name in the header is UTF-8
  label=$(file_text "$f" $((48 + 6)) 26 | iconv -f CP932 -t UTF-8 2>/dev/null)
  date=$(file_text "$f" 48 6)
  echo "Aki: money=$money wins+losses=$visits row0=$date $label" >>"$log"
  [ "$label" = "$HISTORY_LABEL" ] || complain "Aki's history row 0 is not $HISTORY_LABEL: '$label'"
  [ "$date" = "$today" ] || complain "Aki's history row 0 date '$date', expected $today"
  [ "$money" -ge 9000 ] 2>/dev/null || complain "Aki's money $money: less than what was left after buying"
  [ "$visits" -ge 1 ] 2>/dev/null || complain "Aki's first visit (it spent 1,000 yen) counted neither as a win nor a loss"
  [ "$(stat -c %s "$f")" = 1856 ] || complain "venko.dat is not 1856 bytes"

  # the day shop's five best (block 0 of the shop file, from byte 44, 36 bytes
  # each) hold exactly Aki's winning visits of today (history rows 0 and 1,
  # amounts at bytes 80 and 116): a losing or even visit is not there
  local shopfile="$dir/$MACHINE_SHOP_FILE" amount row won="" listed=""
  for row in 0 1; do
    amount=$(file_word "$f" $((80 + 36 * row)))
    [ "$amount" -gt 0 ] 2>/dev/null && won="$won $amount $today;"
  done
  for row in 0 1 2 3 4; do
    if [ "$(file_text "$shopfile" $((44 + 36 * row + 6)) 26)" = Aki ]; then
      listed="$listed $(file_word "$shopfile" $((44 + 36 * row + 32))) $(file_text "$shopfile" $((44 + 36 * row)) 6);"
    fi
  done
  echo "Aki: results $(file_word "$f" 80) and $(file_word "$f" 116); won:${won:- none}; in the day shop's best:${listed:- none}" >>"$log"
  [ "$(tr ';' '\n' <<<"$won" | sort)" = "$(tr ';' '\n' <<<"$listed" | sort)" ] ||
    complain "the day shop's best show Aki with '${listed:- none}', expected '${won:- none}'"
  return 0
}

# (r) The refusals at a known hour (the suite runs at 13:00): no registered
#     player (9), the closed night shop (11); the open day shop lets the
#     player in; a second player who walks to the first one's machine is
#     refused it (12).
case_street_refusals() {
  local log="$ART/street_refusals.log" steps=()
  dlg_fresh_data
  mapfile -t steps < <(
    printf '%s\n' command 40303 wait-msgbox press-ok
    printf '%s\n' command 40304 wait-dialog "$T_LIST"
    register_steps 'Rin'
    register_steps 'Sou'
    printf '%s\n' click 1 dialog-gone
    printf '%s\n' command 40302 command 40303 wait-msgbox press-ok
    printf '%s\n' command 40301 command 40303 wait-dialog "$T_SELECT" click 2 dialog-gone
    printf '%s\n' command 40303 wait-dialog "$T_SELECT" click 1 dialog-gone take-machine "$PLAY_CLASS" 16
    printf '%s\n' command 40202 command 40303 wait-dialog "$T_SELECT" select-row 1201 1 click 1 dialog-gone sleep 300
    printf '%s\n' walk-to-last-seat sleep 300 command 40308 wait-msgbox press-ok
    printf '%s\n' close
    for _ in 1 2 3 4; do printf '%s\n' dismiss-msgbox 3000; done
    printf '%s\n' expect-exit 0
  )
  dlg_run "$log" "${steps[@]}"
  expect "$log" "msgbox_text=ﾌﾟﾚｲﾔｰを登録して下さい。"
  expect "$log" "msgbox_text=【夜のお店】の営業時間は、２２時～１０時です。"
  expect "$log" "dialog=$T_SELECT"
  # the last box before the close: the second player's refusal
  [ "$(sed -n '/^walked=/,$p' "$log" | grep -m1 '^msgbox_text=')" = "msgbox_text=他のお客さまが、ご遊技中です。" ] ||
    complain "the second player was not refused the first one's machine"
  return 0
}

export -f file_word file_text case_shell_full_visit case_street_refusals

# (h) Help from the menu and from F1 opens the help viewer (blank under Wine,
#     which has no HTML engine here) without stopping the game, which still
#     closes cleanly with the viewer open; without the help file the user is
#     told.
case_help_opens() {
  local log="$ART/help_opens.log" help="$BUILD/$MACHINE_HELP_FILE" dir="$TMP/help"
  [ -f "$help" ] || { complain "no $help (the Windows tree builds it when chmcmd is installed)"; return 0; }
  # the program and its help file alone in a folder: the help is found by
  # the file name the program has, beside it
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$EXE" "$help" "$dir/"
  dlg_fresh_data
  EXE="$dir/$(basename "$EXE")" dlg_run "$log" command 40700 await-window "HH Parent" sleep 2000 \
    screen-shot "$ART/help_menu.bmp" expect-running \
    command 40000 sleep 1000 expect-running command 40304 wait-dialog "$T_LIST" click 1 dialog-gone \
    close dismiss-msgbox 3000 expect-exit 0
  expect "$log" "exit=0"
  to_png "$ART/help_menu.bmp"

  # without its help file beside it, the program says so
  rm "$dir/$MACHINE_HELP_FILE"
  drv "$log" start "$dir/$(basename "$EXE")" wait-window "$MACHINE_MAIN_CLASS" command 40000 wait-msgbox press-ok \
    close expect-exit 0 || complain "driver failed without the help file: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
  expect "$log" "msgbox_text=ヘルプファイルが見つかりません。"
  return 0
}

export -f case_help_opens
