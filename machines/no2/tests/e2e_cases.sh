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
  mapfile -t steps < <(
    printf '%s\n' command 40304 wait-dialog "$T_LIST"
    register_steps 'Jolly'
    printf '%s\n' click 1 dialog-gone
    printf '%s\n' command 40303 wait-dialog "$T_SELECT" click 1 dialog-gone sleep 500
    printf '%s\n' take-machine "$PLAY_CLASS" 16
    for i in 1 2 3; do
      printf '%s\n' command 40311 wait-dialog "$T_PURCHASE" click 1302 click 1 dialog-gone
    done
    printf '%s\n' post 256 38 0 sleep 1500 post 257 38 0
    for i in $(seq -w 1 "${E2E_PLAY_SHOTS:-8}"); do printf '%s\n' sleep 5000 screen-shot "$ART/play_$i.bmp"; done
    printf '%s\n' info command 40312 sleep 500 command 40309 sleep 500
    printf '%s\n' command 40313 wait-msgbox press-ok wait-msgbox press-ok
    printf '%s\n' close
    for _ in 1 2 3 4; do printf '%s\n' dismiss-msgbox 4000; done
    printf '%s\n' expect-exit 0
  )
  DRV_LIMIT=$((100 + 5 * ${E2E_PLAY_SHOTS:-8})) dlg_run "$log" "${steps[@]}"
  for i in "$ART"/play_*.bmp; do
    to_png "$i"
    screen_not_blank "${i%.bmp}.png"
  done
  ls "$ART"/play_*.png >/dev/null 2>&1 || complain "no screenshot of the play screen"
  return 0
}

e2e_case play_screen $((120 + 5 * ${E2E_PLAY_SHOTS:-8}))
