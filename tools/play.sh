#!/usr/bin/env bash
# Sets everything up, builds, and plays a program of the family under Wine on
# this display (TAMAROW No.3 unless another program is named):
#   tools/play.sh [Qm4103]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-Qm4103}

if [ -r /etc/debian_version ]; then
  "$top/tools/setup-debian.sh"
else
  echo "play: not a Debian system; make sure MinGW-w64 (i686), CMake and Wine are installed" >&2
fi
"$top/tools/build.sh" win32 >/dev/null

exe="$top/build/win32/$program.exe"
[ -f "$exe" ] || { echo "play: $program was not built (known programs: $(cd "$top/build/win32" && ls Qm*.exe 2>/dev/null | tr '\n' ' '))" >&2; exit 2; }

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
play: there is no display to show the game on (DISPLAY is not set).
      Run this from a desktop session, or over ssh with X forwarding (ssh -X),
      or start a virtual one:  Xvfb :1 & DISPLAY=:1 tools/play.sh
      The program is built: $exe
MSG
  exit 1
fi

# The player's own Wine prefix (WINEPREFIX, default ~/.wine): the data folder
# venko\ is under its documents folder, so players and money are kept.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
if locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
  export LANG=ja_JP.UTF-8
fi
cd "$(dirname "$exe")"
exec wine "$exe"
