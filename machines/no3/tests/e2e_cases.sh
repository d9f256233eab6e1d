# TAMAROW No.3's own end-to-end cases, run by tests/e2e/run_e2e.sh after the
# cases every program passes (sourced; the suite's helpers and the program's
# variables, EXE, MACHINE_*, ART, TMP, are there). Each case is a function
# case_NAME registered with `e2e_case NAME [SECONDS]`; it shows as no3.NAME.

# (soak) Not part of the ordinary run (E2E_SOAK=1 adds it): one player buys
#     3,000 yen of balls and plays for about three minutes with the handle
#     held, a screenshot every ten seconds for a person to look through
#     (build/e2e-artifacts/no3/soak_NN.png: the reels, the fevers, the
#     notices and the panel as a player sees them); the program must stay
#     up and answer.
case_play_soak() {
  local log="$ART/play_soak.log" steps=() i
  dlg_fresh_data
  mapfile -t steps < <(
    printf '%s\n' command 40304 wait-dialog "$T_LIST"
    register_steps 'Soak'
    printf '%s\n' click 1 dialog-gone
    printf '%s\n' command 40303 wait-dialog "$T_SELECT" click 1 dialog-gone sleep 500
    printf '%s\n' take-machine "$PLAY_CLASS" 16
    for i in 1 2 3; do
      printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" click 1303 click 1 dialog-gone
    done
    printf '%s\n' post 256 38 0 sleep 1500 post 257 38 0
    for i in $(seq -w 1 "${E2E_SOAK_SHOTS:-18}"); do printf '%s\n' sleep 10000 screen-shot "$ART/soak_$i.bmp"; done
    printf '%s\n' info command 40312 sleep 500 command 40309 sleep 500
    printf '%s\n' command 40313 wait-msgbox press-ok wait-msgbox press-ok
    printf '%s\n' close
    for _ in 1 2 3 4; do printf '%s\n' dismiss-msgbox 4000; done
    printf '%s\n' expect-exit 0
  )
  DRV_LIMIT=$((120 + 10 * ${E2E_SOAK_SHOTS:-18})) dlg_run "$log" "${steps[@]}"
  for i in "$ART"/soak_*.bmp; do to_png "$i"; done
  return 0
}

if [ "${E2E_SOAK:-0}" = 1 ]; then
  e2e_case play_soak $((140 + 10 * ${E2E_SOAK_SHOTS:-18}))
fi
