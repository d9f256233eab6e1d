# TAMAROW No.1's own end-to-end cases, run by tests/e2e/run_e2e.sh after the
# cases every program passes (sourced; the suite's helpers and the program's
# variables, EXE, MACHINE_*, ART, TMP, are there). Each case is a function
# case_NAME registered with `e2e_case NAME [SECONDS]`; it shows as no1.NAME.

# no1_seat_steps NAME: steps that register NAME, enter the day shop with it
# and take the first free machine.
no1_seat_steps() {
  printf '%s\n' command 40304 wait-dialog "$T_LIST"
  register_steps "$1"
  printf '%s\n' click 1 dialog-gone
  printf '%s\n' command 40303 wait-dialog "$T_SELECT" click 1 dialog-gone sleep 500
  printf '%s\n' take-machine "$PLAY_CLASS" 16
}

# (play view) A player sits down at ORBITEX: the play window shows the board
#     and the display window's attract sequence (the reels rolling up into
#     the picture, Orbi running across it, the title), then balls are bought
#     and the handle raised. Screenshots build/e2e-artifacts/no1/view_*.png;
#     the screen must not be blank and the program must answer and close.
case_play_view() {
  local log="$ART/play_view.log" steps=() i
  dlg_fresh_data
  mapfile -t steps < <(
    no1_seat_steps 'Orbi'
    printf '%s\n' sleep 1000 screen-shot "$ART/view_idle.bmp"
    for i in 1 2 3 4; do printf '%s\n' sleep 3000 screen-shot "$ART/view_attract_$i.bmp"; done
    printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" click 1303 click 1 dialog-gone
    printf '%s\n' post 256 38 0 sleep 1500 post 257 38 0
    for i in 1 2 3; do printf '%s\n' sleep 3000 screen-shot "$ART/view_play_$i.bmp"; done
    printf '%s\n' info command 40312 sleep 500 command 40309 sleep 500
    printf '%s\n' command 40313 wait-msgbox press-ok wait-msgbox press-ok
    printf '%s\n' close
    for _ in 1 2 3 4; do printf '%s\n' dismiss-msgbox 4000; done
    printf '%s\n' expect-exit 0
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
  mapfile -t steps < <(
    no1_seat_steps 'Soak'
    for i in 1 2 3; do
      printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" click 1303 click 1 dialog-gone
    done
    printf '%s\n' post 256 38 0 sleep 1500 post 257 38 0
    for i in $(seq -w 1 "${E2E_SOAK_SHOTS:-36}"); do printf '%s\n' sleep 5000 screen-shot "$ART/soak_$i.bmp"; done
    printf '%s\n' info command 40312 sleep 500 command 40309 sleep 500
    printf '%s\n' command 40313 wait-msgbox press-ok wait-msgbox press-ok
    printf '%s\n' close
    for _ in 1 2 3 4; do printf '%s\n' dismiss-msgbox 4000; done
    printf '%s\n' expect-exit 0
  )
  DRV_LIMIT=$((120 + 5 * ${E2E_SOAK_SHOTS:-36})) dlg_run "$log" "${steps[@]}"
  for i in "$ART"/soak_*.bmp; do to_png "$i"; done
  return 0
}

if [ "${E2E_SOAK:-0}" = 1 ]; then
  e2e_case play_soak $((140 + 5 * ${E2E_SOAK_SHOTS:-36}))
fi
