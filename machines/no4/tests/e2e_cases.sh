# TAMAROW No.4's own end-to-end cases, run by tests/e2e/run_e2e.sh after the
# cases every program passes (sourced; the suite's helpers and the program's
# variables, EXE, MACHINE_*, ART, TMP, are there). Each case is a function
# case_NAME registered with `e2e_case NAME [SECONDS]`; it shows as no4.NAME.

# Pixels of one colour in a picture.
colour_count() {
  convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -colorspace gray \
    -format '%[fx:round(mean*w*h)]' info: 2>/dev/null || echo 0
}

# (p) The play screen as a player sees it: one player sits at a machine,
#     buys balls and holds the handle; the screen is taken every two seconds
#     (build/e2e-artifacts/no4/play_NN.png) for a person to look through
#     (E2E_NO4_SHOTS of them, default 8, every E2E_NO4_EVERY ms, default 2000:
#     a few hundred a second apart catch sudden stops, reaches and the wings).
#     The board (its magenta cabinet and the night-blue field) must be there
#     and the program must stay up and close cleanly.
case_play_screen() {
  local log="$ART/play_screen.log" steps=() i shots=${E2E_NO4_SHOTS:-8} every=${E2E_NO4_EVERY:-2000}
  dlg_fresh_data
  mapfile -t steps < <(play_session_steps 'Mira' 1303 "$shots" "$every" "$ART/play")
  DRV_LIMIT=$((60 + shots * (every + 300) / 1000)) dlg_run "$log" "${steps[@]}"
  expect "$log" "exit=0"
  local first
  first=$(ls "$ART"/play_*.bmp 2>/dev/null | head -1)
  if [ -z "$first" ]; then
    complain "no screenshot of the play screen"
  else
    local magenta
    magenta=$(colour_count "$first" '#FF00FF')
    echo "magenta pixels in $(basename "$first"): $magenta" >>"$log"
    [ "${magenta:-0}" -gt 5000 ] 2>/dev/null || complain "the play screen does not show No.4's board ($magenta magenta pixels)"
  fi
  for i in "$ART"/play_*.bmp; do to_png "$i"; done
  return 0
}

e2e_case play_screen $((90 + ${E2E_NO4_SHOTS:-8} * (${E2E_NO4_EVERY:-2000} + 300) / 1000))
