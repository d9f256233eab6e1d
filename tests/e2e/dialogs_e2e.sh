# End-to-end cases of the player, purchase, high-score, version and notice
# dialogs, the same in every program. Sourced by run_e2e.sh after its helpers
# (drv, complain, expect, to_png) are defined; every case starts from an
# empty player file. Boxes and the notice have the program's title
# (MACHINE_PROGRAM_TITLE) as their caption.
#
# Dialogs are found by their captions; controls are named by their ids:
#   1201 player list; 1503 register, 1504 query, 1505 delete, 1 and 2 the
#   dialog's OK and Cancel; 1101 the name edit; 1001.. static texts;
#   1301..1303 the three purchases.

T_LIST='ﾌﾟﾚｲﾔｰの情報'
T_REGISTER='ﾌﾟﾚｲﾔｰの登録'
T_INFO='ﾌﾟﾚｲﾔｰの照会'
T_SELECT='ﾌﾟﾚｲﾔｰ選択'
T_PURCHASE='玉交換'
T_SCORES='ﾊｲｽｺｱ'
T_VERSION='ﾊﾞｰｼﾞｮﾝ情報'
export T_LIST T_REGISTER T_INFO T_SELECT T_PURCHASE T_SCORES T_VERSION

# The player file is shared by the cases: each starts without one.
dlg_fresh_data() {
  local dir
  dir=$(find -L "$HOME" "$WINEPREFIX/drive_c/users" -maxdepth 4 -type d -name venko 2>/dev/null | head -1)
  [ -n "$dir" ] && rm -rf "$dir"
  return 0
}

# dlg_run LOG STEP...: the driver with the program started and its main
# window found first; a failing or timed-out step becomes the case's reason.
dlg_run() {
  local log=$1
  shift
  : >"$log"
  drv "$log" start "$EXE" wait-window "$MACHINE_MAIN_CLASS" "$@" ||
    complain "driver failed: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"
}

# Steps that register NAME from the open player list.
register_steps() {
  printf '%s\n' click 1503 wait-dialog "$T_REGISTER" set-text 1101 "$1" click 1 dialog-gone
}

# Steps that register NAME from an empty player file and choose them into
# the day shop, up to the hall (the suite runs at 13:00).
enter_steps() {
  printf '%s\n' command 40304 wait-dialog "$T_LIST"
  register_steps "$1"
  printf '%s\n' click 1 dialog-gone
  printf '%s\n' command 40303 wait-dialog "$T_SELECT" click 1 dialog-gone sleep 500
}

# Steps that register NAME, enter the day shop with them and take the first
# free machine.
seat_steps() {
  enter_steps "$1"
  printf '%s\n' take-machine "$PLAY_CLASS" 16
}

# Steps that buy balls COUNT times (default once) with the purchase BUTTON
# (1301..1303).
buy_steps() {
  local i
  for ((i = 0; i < ${2:-1}; i++)); do
    printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" click "$1" click 1 dialog-gone
  done
}

# Steps that raise the handle for a second and a half and keep it held.
hold_handle_steps() {
  printf '%s\n' post 256 38 0 sleep 1500 post 257 38 0
}

# Steps that take COUNT pictures, one every MS milliseconds, as PREFIX_N.bmp
# (N of equal width: 1..8, 01..36), with the driver's CAPTURE step
# (screen-shot: the whole screen, the default; shot: the program's window).
shot_steps() {
  local i
  for i in $(seq -w 1 "$1"); do printf '%s\n' sleep "$2" "${4:-screen-shot}" "$3_$i.bmp"; done
}

# Steps from a seat back out of the program: to the hall and back to the
# machine (unless `seated`), stand up (the question and the cash-out),
# close, any farewell boxes.
leave_steps() {
  [ "${1:-}" = seated ] || printf '%s\n' command 40312 sleep 500 command 40309 sleep 500
  printf '%s\n' command 40313 wait-msgbox press-ok wait-msgbox press-ok
  printf '%s\n' close
  for _ in 1 2 3 4; do printf '%s\n' dismiss-msgbox 4000; done
  printf '%s\n' expect-exit 0
}

# Steps of a play session: NAME sits down, buys three times with BUTTON,
# holds the handle and takes COUNT screenshots MS apart as PREFIX_N.bmp, then
# (with `info`, after the driver's report of the main window) leaves.
play_session_steps() {
  seat_steps "$1"
  buy_steps "$2" 3
  hold_handle_steps
  shot_steps "$3" "$4" "$5"
  if [ "${6:-}" = info ]; then printf '%s\n' info; fi
  leave_steps
}

# Steps that run a refused registration: NAME, the warning box, OK, and the
# registration dialog stays open.
refused_steps() {
  printf '%s\n' set-text 1101 "$1" click 1 wait-msgbox press-ok
}

# expect_after LOG MARK LINE: LINE comes after the line MARK in LOG.
expect_after() {
  sed -n "\\|^$2\$|,\$p" "$1" | grep -qxF -- "$3" ||
    complain "expected '$3' after '$2'"
}

# (f) Registering: the empty list, refusals (empty, already registered, not
#     writable in Shift-JIS), other letter case accepted, a new player's
#     record, and the players still there after a restart.
case_dialog_register_players() {
  local log="$ART/dialog_register_players.log" steps=()
  dlg_fresh_data
  mapfile -t steps < <(
    printf '%s\n' command 40304 wait-dialog "$T_LIST" rows 1201 enabled 1503 enabled 1504 enabled 1505 default \
      click 1503 wait-dialog "$T_REGISTER" shot "$ART/dialog_register.bmp" click 1 wait-msgbox press-ok
    printf '%s\n' set-text 1101 '山田太郎' click 1 dialog-gone rows 1201 enabled 1504 enabled 1505
    printf '%s\n' click 1503 wait-dialog "$T_REGISTER"
    refused_steps '山田太郎'
    refused_steps 'Renée'
    refused_steps 'ｘ😀'
    refused_steps $'tab\there'
    printf '%s\n' set-text 1101 'yamada' click 1 dialog-gone
    register_steps 'YAMADA'
    printf '%s\n' rows 1201 shot "$ART/dialog_player_list.bmp" select-row 1201 0 click 1504 wait-dialog "$T_INFO" \
      text 1001 text 1002 text 1003 text 1004 text 1005 text 1008 text 1009 shot "$ART/dialog_player_info.bmp" \
      click 1 dialog-gone click 1 dialog-gone close expect-exit 0
  )
  dlg_run "$log" "${steps[@]}"
  expect "$log" "rows=0"
  expect "$log" "enabled_1503=yes"
  expect "$log" "enabled_1504=no"
  expect "$log" "enabled_1505=no"
  expect "$log" "default=1503"
  expect "$log" "msgbox_text=お名前を入力して下さい。"
  expect "$log" "msgbox_caption=$MACHINE_PROGRAM_TITLE"
  expect "$log" "row_0=    \\t山田太郎"
  expect "$log" "enabled_1504=yes"
  expect "$log" "enabled_1505=yes"
  expect "$log" "msgbox_text=この方は、既に登録して有ります。"
  [ "$(grep -c '^msgbox_text=お名前に使えない文字が入っています。$' "$log")" = 3 ] ||
    complain "expected three refusals of names Shift-JIS cannot write, got $(grep -c '^msgbox_text=お名前に使えない' "$log")"
  grep -v '^msgbox_icon=warning$' "$log" | grep -q '^msgbox_icon=' && complain "a refusal box without the warning icon"
  expect "$log" "rows=3"
  expect "$log" "row_1=    \\tyamada"
  expect "$log" "row_2=    \\tYAMADA"
  expect "$log" "selected=2"
  expect "$log" "text_1001=山田太郎"
  expect "$log" "text_1002=****"
  expect "$log" "text_1003=     10,000"
  expect "$log" "text_1004=100"
  expect "$log" "text_1005="
  expect "$log" "text_1008="
  expect "$log" "text_1009="
  expect "$log" "exit=0"
  for f in dialog_register dialog_player_list dialog_player_info; do to_png "$ART/$f.bmp"; done

  local log2="$ART/dialog_register_players_again.log"
  dlg_run "$log2" command 40304 wait-dialog "$T_LIST" rows 1201 click 1 dialog-gone close expect-exit 0
  expect "$log2" "rows=3"
  expect "$log2" "row_0=    \\t山田太郎"
  return 0
}

# (g) Names are kept to 21 bytes, never cut inside a two-byte character.
case_dialog_name_cut() {
  local log="$ART/dialog_name_cut.log" steps=()
  dlg_fresh_data
  mapfile -t steps < <(
    printf '%s\n' command 40304 wait-dialog "$T_LIST"
    register_steps 'ABCDEFGHIJKLMNOPQRSTUVWXYZ'
    register_steps 'aあいうえおかきくけこさ'
    register_steps 'いろはにほへとちりぬるを'
    printf '%s\n' rows 1201 click 1 dialog-gone close expect-exit 0
  )
  dlg_run "$log" "${steps[@]}"
  expect "$log" "row_0=    \\tABCDEFGHIJKLMNOPQRSTU"
  expect "$log" "row_1=    \\taあいうえおかきくけこ"
  expect "$log" "row_2=    \\tいろはにほへとちりぬ"
  return 0
}

# (h) Eight players: no more registering, and Enter closes the list (the
#     default button and the focus go to 終了), also when the list opens full.
case_dialog_full_list() {
  local log="$ART/dialog_full_list.log" steps=() n
  dlg_fresh_data
  mapfile -t steps < <(
    printf '%s\n' command 40304 wait-dialog "$T_LIST"
    for n in one two three four five six seven eight; do register_steps "$n"; done
    printf '%s\n' rows 1201 enabled 1503 default focus click 1 dialog-gone
    printf '%s\n' command 40304 wait-dialog "$T_LIST" enabled 1503 default shot "$ART/dialog_full_list.bmp" \
      click 1 dialog-gone close expect-exit 0
  )
  dlg_run "$log" "${steps[@]}"
  expect "$log" "rows=8"
  expect "$log" "row_7=    \\teight"
  expect "$log" "selected=7"
  [ "$(grep -c '^enabled_1503=no$' "$log")" = 2 ] || complain "登録 was not disabled both times"
  [ "$(grep -c '^default=1$' "$log")" = 2 ] || complain "終了 was not the default button both times"
  expect "$log" "focus=1"
  expect "$log" "exit=0"
  to_png "$ART/dialog_full_list.bmp"
  return 0
}

# (h2) Deleting asks first (Cancel keeps the player), moves the later players
#     up, keeps the selection on the same row or the new last one, and with
#     nobody left only 登録 and 終了 can be used.
case_dialog_delete_players() {
  local log="$ART/dialog_delete_players.log" steps=() n
  dlg_fresh_data
  mapfile -t steps < <(
    printf '%s\n' command 40304 wait-dialog "$T_LIST"
    for n in one two three four five; do register_steps "$n"; done
    printf '%s\n' select-row 1201 2 click 1505 wait-msgbox press 2 rows 1201
    printf '%s\n' click 1505 wait-msgbox press-ok rows 1201
    printf '%s\n' select-row 1201 3 click 1505 wait-msgbox press-ok rows 1201
    for n in 1 2 3; do printf '%s\n' click 1505 wait-msgbox press-ok; done
    printf '%s\n' rows 1201 enabled 1504 enabled 1505 enabled 1503 default focus click 1 dialog-gone close expect-exit 0
  )
  dlg_run "$log" "${steps[@]}"
  expect "$log" "msgbox_text=「three」さんを削除します。"
  grep -v '^msgbox_icon=warning$' "$log" | grep -q '^msgbox_icon=' && complain "a delete question without the warning icon"
  expect_after "$log" "pressed=2" "rows=5"
  expect_after "$log" "pressed=1" "rows=4"
  expect_after "$log" "rows=4" "row_2=    \\tfour"
  expect_after "$log" "rows=4" "row_3=    \\tfive"
  expect_after "$log" "rows=4" "selected=2"
  expect_after "$log" "rows=3" "row_2=    \\tfour"
  expect_after "$log" "rows=3" "selected=2"
  expect_after "$log" "rows=0" "enabled_1504=no"
  expect_after "$log" "rows=0" "enabled_1505=no"
  expect_after "$log" "rows=0" "enabled_1503=yes"
  expect_after "$log" "rows=0" "default=1"
  expect_after "$log" "rows=0" "focus=1"
  expect "$log" "exit=0"
  return 0
}

# (i) Entering the shop: the selection starts a visit for the chosen player;
#     a player in a slot shows the slot's label, cannot be chosen again and
#     cannot be deleted.
case_dialog_select_player() {
  local log="$ART/dialog_select_player.log" steps=() today
  today=$(date +%m/%d)
  dlg_fresh_data
  mapfile -t steps < <(
    printf '%s\n' command 40304 wait-dialog "$T_LIST"
    register_steps 'Aoi'
    register_steps 'Ben'
    printf '%s\n' click 1 dialog-gone
    printf '%s\n' command 40303 wait-dialog "$T_SELECT" rows 1201 enabled 1 shot "$ART/dialog_select.bmp" click 1 dialog-gone
    printf '%s\n' command 40202 command 40303 wait-dialog "$T_SELECT" rows 1201 enabled 1 \
      select-row 1201 1 enabled 1 select-row 1201 0 enabled 1 click 2 dialog-gone
    printf '%s\n' command 40304 wait-dialog "$T_LIST" rows 1201 enabled 1505 select-row 1201 1 enabled 1505 \
      select-row 1201 0 enabled 1505 click 1504 wait-dialog "$T_INFO" text 1002 text 1009 text 1010 text 1011 text 1012 \
      click 1 dialog-gone click 1 dialog-gone
    printf '%s\n' command 40201 command 40310 wait-msgbox press-ok close expect-exit 0
  )
  dlg_run "$log" "${steps[@]}"
  expect "$log" "row_0=    \\tAoi"
  expect "$log" "enabled_1=yes"
  expect "$log" "row_0=Ｐ１\\tAoi"
  expect "$log" "enabled_1=no"
  expect "$log" "enabled_1505=no"
  expect "$log" "enabled_1505=yes"
  expect "$log" "text_1002=Ｐ１"
  expect "$log" "text_1009=$today"
  expect "$log" "text_1010=$HISTORY_LABEL"
  expect "$log" "text_1011=0"
  expect "$log" "text_1012="
  expect "$log" "exit=0"
  to_png "$ART/dialog_select.bmp"
  return 0
}

# (j) Buying balls: the money shown, the remembered choice, Cancel buying
#     nothing, and the visit's books afterwards.
case_dialog_purchase() {
  local log="$ART/dialog_purchase.log" steps=()
  dlg_fresh_data
  mapfile -t steps < <(
    printf '%s\n' command 40304 wait-dialog "$T_LIST"
    register_steps 'Kai'
    printf '%s\n' click 1 dialog-gone command 40303 wait-dialog "$T_SELECT" click 1 dialog-gone
    printf '%s\n' take-machine "$PLAY_CLASS" 16
    printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" text 1001 checked 1301 checked 1303 shot "$ART/dialog_purchase.bmp" \
      click 1303 click 1 dialog-gone
    printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" text 1001 checked 1303 click 2 dialog-gone
    printf '%s\n' command 40304 wait-dialog "$T_LIST" click 1504 wait-dialog "$T_INFO" text 1003 text 1011 text 1012 \
      click 1 dialog-gone click 1 dialog-gone kill
  )
  dlg_run "$log" "${steps[@]}"
  expect "$log" "text_1001=     10,000"
  expect "$log" "checked_1301=yes"
  expect "$log" "checked_1303=no"
  expect "$log" "text_1001=      9,000"
  expect "$log" "checked_1303=yes"
  expect "$log" "text_1003=      9,000"
  expect "$log" "text_1011=1,000"
  expect "$log" "text_1012=負け"
  to_png "$ART/dialog_purchase.bmp"
  return 0
}

# (j2) Buying until the money runs out: 0 yen left, then "お金が足りません。"
#      and nothing bought. Eleven purchase dialogs: under a Wine whose
#      windows wait for a window manager this needs more than a case's minute.
case_dialog_purchase_short() {
  local log="$ART/dialog_purchase_short.log" steps=() n
  dlg_fresh_data
  mapfile -t steps < <(
    printf '%s\n' command 40304 wait-dialog "$T_LIST"
    register_steps 'Ken'
    printf '%s\n' click 1 dialog-gone command 40303 wait-dialog "$T_SELECT" click 1 dialog-gone
    printf '%s\n' take-machine "$PLAY_CLASS" 16
    printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" click 1303 click 1 dialog-gone
    for n in 2 3 4 5 6 7 8 9 10; do printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" click 1 dialog-gone; done
    printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" text 1001 click 1 wait-msgbox press-ok click 2 dialog-gone
    printf '%s\n' command 40304 wait-dialog "$T_LIST" click 1504 wait-dialog "$T_INFO" text 1003 text 1011 \
      click 1 dialog-gone click 1 dialog-gone kill
  )
  dlg_run "$log" "${steps[@]}"
  expect "$log" "text_1001=          0"
  expect "$log" "msgbox_text=お金が足りません。"
  expect "$log" "msgbox_icon=warning"
  expect "$log" "text_1003=          0"
  expect "$log" "text_1011=10,000"
  return 0
}

# (k) An empty high-score table and the version.
case_dialog_scores_and_version() {
  local log="$ART/dialog_scores_version.log"
  dlg_fresh_data
  dlg_run "$log" command 40600 wait-dialog "$T_SCORES" text 1001 text 1002 text 1003 text 1015 \
    shot "$ART/dialog_scores.bmp" click 1 dialog-gone \
    command 40701 wait-dialog "$T_VERSION" text 1001 text 1002 shot "$ART/dialog_version.bmp" click 1 dialog-gone \
    close expect-exit 0
  expect "$log" "text_1001="
  expect "$log" "text_1002="
  expect "$log" "text_1003=0"
  expect "$log" "text_1015=0"
  expect_after "$log" "dialog=$T_VERSION" "text_1001=$MACHINE_PROGRAM_TITLE"
  expect_after "$log" "dialog=$T_VERSION" "text_1002=$MACHINE_TITLE"
  expect "$log" "exit=0"
  to_png "$ART/dialog_scores.bmp"
  to_png "$ART/dialog_version.bmp"
  return 0
}

# (l) The notice window: a player who sits down without balls is told so;
#     the notice hides itself after 8 to 9 pacing periods of 64 ticks (12.8
#     to 14.4 s), and at once on OK. Announcements are switched off so that
#     no fever elsewhere in the hall refills it meanwhile.
case_dialog_notice() {
  local log="$ART/dialog_notice.log" steps=() ms
  dlg_fresh_data
  mapfile -t steps < <(
    printf '%s\n' command 40501 command 40304 wait-dialog "$T_LIST"
    register_steps 'Nao'
    printf '%s\n' click 1 dialog-gone command 40303 wait-dialog "$T_SELECT" click 1 dialog-gone
    # switching away and back delivers the waiting no-balls notice
    printf '%s\n' take-machine "$PLAY_CLASS" 16 command 40202 command 40201 \
      wait-dialog "$MACHINE_PROGRAM_TITLE" text 1001 shot "$ART/dialog_notice.bmp" timeout 25000 dialog-gone
    printf '%s\n' timeout 20000 command 40202 command 40201 wait-dialog "$MACHINE_PROGRAM_TITLE" click 1 dialog-gone kill
  )
  dlg_run "$log" "${steps[@]}"
  expect "$log" "text_1001=持ち玉がありません。"
  # the notice's own closings, in order: by itself, then by OK
  ms=$(grep -xF -A1 "dialog_closed=$MACHINE_PROGRAM_TITLE" "$log" | grep '^dialog_open_ms=' | sed -n '1s/.*=//p')
  # 8 pacing periods of 64 ticks: 12.8 to 14.4 s; a busy machine may drop
  # ticks and stretch it, never shorten it
  [ -n "$ms" ] && [ "$ms" -ge 11500 ] && [ "$ms" -le 22000 ] ||
    complain "the notice stayed ${ms:-?} ms, expected 12800 to 14400 (up to 22000 on a busy machine)"
  ms=$(grep -xF -A1 "dialog_closed=$MACHINE_PROGRAM_TITLE" "$log" | grep '^dialog_open_ms=' | sed -n '2s/.*=//p')
  [ -n "$ms" ] && [ "$ms" -le 3000 ] || complain "OK did not hide the notice at once (${ms:-?} ms)"
  to_png "$ART/dialog_notice.bmp"
  return 0
}

export -f dlg_fresh_data dlg_run register_steps refused_steps expect_after \
  enter_steps seat_steps buy_steps hold_handle_steps shot_steps leave_steps play_session_steps \
  case_dialog_register_players case_dialog_name_cut case_dialog_full_list case_dialog_delete_players \
  case_dialog_select_player case_dialog_purchase case_dialog_purchase_short case_dialog_scores_and_version case_dialog_notice
