#!/usr/bin/env bash
# Sets everything up, builds, and plays a program of the family under Wine on
# this display:
#   tools/play.sh [Qm4101 | Qm4102 | Qm4103 | Qm4104 | Qm4105]
# Without a name it offers the five: on a terminal a numbered choice (Enter
# plays TAMAROW No.3), from a desktop without one Wine's file window on the
# programs' folder, where a double-click starts one.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/models.sh"
program=${1:-}

if [ -r /etc/debian_version ]; then
  "$top/tools/setup-debian.sh"
else
  echo "play: not a Debian system; make sure MinGW-w64 (i686), CMake and Wine are installed" >&2
fi
"$top/tools/build.sh" win32 >/dev/null
folder="$top/build/win32"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
play: there is no display to show the game on (DISPLAY is not set).
      Run this from a desktop session, or over ssh with X forwarding (ssh -X),
      or start a virtual one:  Xvfb :1 & DISPLAY=:1 tools/play.sh
      The programs are built in: $folder
MSG
  exit 1
fi

# The player's own Wine prefix (WINEPREFIX, default ~/.wine): the data folder
# venko\ is under its documents folder, so players and money are kept, and
# shared by the five programs.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
if locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
  export LANG=ja_JP.UTF-8
fi

built=() titles=()
for m in $models; do
  p=$(program_of "$m")
  if [ -f "$folder/$p.exe" ]; then
    built+=("$p")
    titles+=("$(sed -nE 's/^#define MACHINE_PROGRAM_TITLE "([^"]*)".*/\1/p' "$top/machines/$m/machine_identity.h")  $(sed -nE 's/^#define MACHINE_TITLE "([^"]*)".*/\1/p' "$top/machines/$m/machine_identity.h")")
  fi
done
[ ${#built[@]} -gt 0 ] || { echo "play: no program was built in $folder" >&2; exit 2; }

if [ -z "$program" ]; then
  if [ -t 0 ]; then
    echo "TAMAROW: which program?"
    for i in "${!built[@]}"; do
      echo "  $((i + 1))) ${built[$i]}  ${titles[$i]}"
    done
    read -r -p "number [Qm4103]: " choice
    if [ -z "$choice" ]; then
      program=Qm4103
    elif [[ "$choice" =~ ^[0-9]+$ ]] && [ "$choice" -ge 1 ] && [ "$choice" -le ${#built[@]} ]; then
      program=${built[$((choice - 1))]}
    else
      echo "play: no program $choice" >&2
      exit 2
    fi
  else
    cd "$folder"
    exec wine explorer "$(winepath -w "$folder" 2>/dev/null || echo .)"
  fi
fi

exe="$folder/$program.exe"
[ -f "$exe" ] || { echo "play: $program was not built (built: ${built[*]})" >&2; exit 2; }
cd "$folder"
exec wine "$exe"
