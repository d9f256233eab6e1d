# TAMAROW No.2's own end-to-end cases, run by tests/e2e/run_e2e.sh after the
# cases every program passes (sourced; the suite's helpers and the program's
# variables, EXE, MACHINE_*, ART, TMP, are there). Each case is a function
# case_NAME registered with `e2e_case NAME [SECONDS]`; it shows as no2.NAME.

# (p) The play screen as a player sees it: one player buys 1,500 yen of
#     balls, sits at machine 16 and holds the handle for about forty
#     seconds, a screenshot every five (build/e2e-artifacts/no2/play_NN.png:
#     balls falling through the pins and rolling on the stage, the reels
#     running and stopping, the window's lamps); the play window must be
#     drawn (no blank capture) and the program must stay up and close as
#     usual.
case_play_screen() {
  local log="$ART/play_screen.log" steps=() i
  dlg_fresh_data
  mapfile -t steps < <(play_session_steps 'Jolly' 1302 "${E2E_PLAY_SHOTS:-8}" 5000 "$ART/play" info)
  DRV_LIMIT=$((100 + 5 * ${E2E_PLAY_SHOTS:-8})) dlg_run "$log" "${steps[@]}"
  for i in "$ART"/play_*.bmp; do
    to_png "$i"
    screen_not_blank "${i%.bmp}.png"
  done
  ls "$ART"/play_*.png >/dev/null 2>&1 || complain "no screenshot of the play screen"
  return 0
}

e2e_case play_screen $((120 + 5 * ${E2E_PLAY_SHOTS:-8}))
