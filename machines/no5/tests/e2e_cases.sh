# TAMAROW No.5's own end-to-end cases, run by tests/e2e/run_e2e.sh after the
# cases every program passes (sourced; the suite's helpers and the program's
# variables, EXE, MACHINE_*, ART, TMP, are there). Each case is a function
# case_NAME registered with `e2e_case NAME [SECONDS]`; it shows as no5.NAME.

# (a) The play screen: a player sits at a ZANPORO, buys balls and holds the
#     handle; the play window shows the machine and keeps moving (three
#     captures of the window a few seconds apart all differ: balls fly, the
#     display runs), and the program answers to the end.
case_play_screen() {
  local log="$ART/play_screen.log" steps=() i
  dlg_fresh_data
  mapfile -t steps < <(
    seat_steps 'Zan'
    buy_steps 1303
    hold_handle_steps
    shot_steps 3 3000 "$ART/play_screen" shot
    printf '%s\n' info
    leave_steps seated
  )
  DRV_LIMIT=80 dlg_run "$log" "${steps[@]}"
  for i in 1 2 3; do
    to_png "$ART/play_screen_$i.bmp"
    [ -f "$ART/play_screen_$i.png" ] || { complain "no capture play_screen_$i"; return 0; }
    screen_not_blank "$ART/play_screen_$i.png"
  done
  local d12 d23
  d12=$(compare -metric AE "$ART/play_screen_1.png" "$ART/play_screen_2.png" null: 2>&1 | cut -d' ' -f1)
  d23=$(compare -metric AE "$ART/play_screen_2.png" "$ART/play_screen_3.png" null: 2>&1 | cut -d' ' -f1)
  echo "pixels changed: $d12, $d23" >>"$log"
  [ "${d12:-0}" != 0 ] && [ "${d23:-0}" != 0 ] || complain "the play screen stood still ($d12, $d23 pixels changed)"
  return 0
}
e2e_case play_screen 90

# Writes the 32-bit word VALUE at byte OFFSET of FILE (little-endian).
no5_put_word() {
  local v=$(($3 & 0xFFFFFFFF))
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255)))" |
    dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

# The day shop's block of the shop file again summed into its checksum (the
# sum of its bytes taken as signed, after the block).
no5_seal_day_shop() {
  local block=$((224 + 17 * MACHINE_RECORD_BYTES)) sum
  sum=$(head -c "$block" "$1" | od -An -v -t d1 | awk '{ for (i = 1; i <= NF; i++) s += $i } END { print s + 0 }')
  no5_put_word "$1" "$block" "$sum"
}

# (soak) Not part of the ordinary run (E2E_SOAK=1 adds it): the machines of
#     the day shop are put into a chance state between two runs (the shop
#     file's records: chanceCount 9, a full reserve that keeps the hot
#     setting, four held starts and four digit starts each), then a player
#     plays one of them for about five minutes with the handle held, a
#     screenshot every two seconds (build/e2e-artifacts/no5/chance_NNN.png,
#     E2E_SOAK_SHOTS of them, default 150): the highlighted reels and the
#     flashing frame, the digit lottery opening its gate, reaches, and in
#     all likelihood a big prize with its performance, rounds and the V.
#     E2E_NO5_START=fever starts them in round 1 of a big prize instead,
#     the attacker open, for the rounds, the V and the ending.
case_chance_soak() {
  local log="$ART/chance_soak.log" steps=() i dir file k base
  dlg_fresh_data
  : >"$log"
  # (a first run long enough for the hall to note the shop open: a run that
  # saw no open shop would start the next with a new day)
  drv "$log" start "$EXE" wait-window "$MACHINE_MAIN_CLASS" sleep 3000 close expect-exit 0 ||
    { complain "driver failed on the first run: $(grep -m1 -E '^(FAIL|TIMEOUT)' "$log")"; return 0; }
  dir=$(find -L "$HOME" "$WINEPREFIX/drive_c/users" -maxdepth 4 -type d -name venko 2>/dev/null | head -1)
  file="$dir/$MACHINE_SHOP_FILE"
  [ -f "$file" ] || { complain "no $MACHINE_SHOP_FILE after the first run"; return 0; }
  # words of No.5's record (machines/no5/no5_record.h), machines from byte 224
  for k in $(seq 0 15); do
    base=$((224 + k * MACHINE_RECORD_BYTES))
    no5_put_word "$file" $((base + 0)) 0     # occupant: vacant
    no5_put_word "$file" $((base + 32)) 1    # setting: hot
    no5_put_word "$file" $((base + 64)) 0    # startsSincePrize
    no5_put_word "$file" $((base + 68)) 200  # luckReserve
    no5_put_word "$file" $((base + 136)) 4   # heldStarts
    no5_put_word "$file" $((base + 184)) 9   # chanceCount
    no5_put_word "$file" $((base + 192)) 4   # digitStarts
    if [ "${E2E_NO5_START:-chance}" = fever ]; then
      # round 1 of a big prize won on 8s, its door open since step 64
      for r in 0 1 2; do no5_put_word "$file" $((base + 72 + 4 * r)) 294; done # reelPos: the 8
      no5_put_word "$file" $((base + 12)) 1   # attackerOpen
      no5_put_word "$file" $((base + 148)) 3  # mode
      no5_put_word "$file" $((base + 160)) 100 # modeTick
      no5_put_word "$file" $((base + 168)) 8  # reachSymbol
      no5_put_word "$file" $((base + 172)) 1  # round
      no5_put_word "$file" $((base + 40)) 63  # dirty: every layer
    fi
  done
  no5_put_word "$file" 4 0 # customerCount
  no5_seal_day_shop "$file"
  cp "$file" "$ART/chance_shop.dat" # as the second run reads it
  mapfile -t steps < <(
    seat_steps 'Soak'
    buy_steps 1303 3
    hold_handle_steps
    shot_steps "${E2E_SOAK_SHOTS:-150}" 2000 "$ART/chance"
    printf '%s\n' info
    leave_steps seated
  )
  DRV_LIMIT=$((120 + 3 * ${E2E_SOAK_SHOTS:-150})) dlg_run "$log" "${steps[@]}"
  for i in "$ART"/chance_*.bmp; do to_png "$i"; done
  return 0
}

if [ "${E2E_SOAK:-0}" = 1 ]; then
  e2e_case chance_soak $((180 + 3 * ${E2E_SOAK_SHOTS:-150}))
fi
