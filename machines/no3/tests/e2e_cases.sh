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
  mapfile -t steps < <(play_session_steps 'Soak' 1303 "${E2E_SOAK_SHOTS:-18}" 10000 "$ART/soak" info)
  DRV_LIMIT=$((120 + 10 * ${E2E_SOAK_SHOTS:-18})) dlg_run "$log" "${steps[@]}"
  for i in "$ART"/soak_*.bmp; do to_png "$i"; done
  return 0
}

if [ "${E2E_SOAK:-0}" = 1 ]; then
  e2e_case play_soak $((140 + 10 * ${E2E_SOAK_SHOTS:-18}))
fi
