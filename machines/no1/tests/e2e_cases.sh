# TAMAROW No.1's own end-to-end cases, run by tests/e2e/run_e2e.sh after the
# cases every program passes (sourced; the suite's helpers and the program's
# variables, EXE, MACHINE_*, ART, TMP, are there). Each case is a function
# case_NAME registered with `e2e_case NAME [SECONDS]`; it shows as no1.NAME.

# (play view) A player sits down at ORBITEX: the play window shows the board
#     and the display window's attract sequence (the reels rolling up into
#     the picture, Orbi running across it, the title), then balls are bought
#     and the handle raised. Screenshots build/e2e-artifacts/no1/view_*.png;
#     the screen must not be blank and the program must answer and close.
case_play_view() {
  local log="$ART/play_view.log" steps=() i
  dlg_fresh_data
  mapfile -t steps < <(
    seat_steps 'Orbi'
    printf '%s\n' sleep 1000 screen-shot "$ART/view_idle.bmp"
    shot_steps 4 3000 "$ART/view_attract"
    buy_steps 1303
    hold_handle_steps
    shot_steps 3 3000 "$ART/view_play"
    printf '%s\n' info
    leave_steps
  )
  DRV_LIMIT=100 dlg_run "$log" "${steps[@]}"
  for i in "$ART"/view_*.bmp; do to_png "$i"; done
  [ -f "$ART/view_idle.png" ] && screen_not_blank "$ART/view_idle.png"
  return 0
}
e2e_case play_view 130

# (soak) Not part of the ordinary run (E2E_SOAK=1 adds it): one player buys
#     3,000 yen of balls and plays for about three minutes with the handle
#     held, a screenshot every five seconds (build/e2e-artifacts/no1/soak_NN.png:
#     reaches and their actions, fevers, the V, the panel as a player sees
#     them); the program must stay up and answer.
case_play_soak() {
  local log="$ART/play_soak.log" steps=() i
  dlg_fresh_data
  mapfile -t steps < <(play_session_steps 'Soak' 1303 "${E2E_SOAK_SHOTS:-36}" 5000 "$ART/soak" info)
  DRV_LIMIT=$((120 + 5 * ${E2E_SOAK_SHOTS:-36})) dlg_run "$log" "${steps[@]}"
  for i in "$ART"/soak_*.bmp; do to_png "$i"; done
  return 0
}

if [ "${E2E_SOAK:-0}" = 1 ]; then
  e2e_case play_soak $((140 + 5 * ${E2E_SOAK_SHOTS:-36}))
fi
