#!/usr/bin/env bash
# Installs what building, playing and testing need on Debian 12, as root.
# Idempotent: it does nothing when every package is already there.
set -eu

packages=(
  cmake g++ make ninja-build pkg-config
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32:i386
  xvfb x11-utils x11-apps imagemagick xdotool
  locales fonts-ipafont-gothic fonts-vlgothic
  fp-utils
  clang libclang-rt-14-dev
)

need_i386=0
dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

if [ "$need_i386" -eq 1 ]; then
  $sudo dpkg --add-architecture i386
fi
if [ "${#missing[@]}" -gt 0 ] || [ "$need_i386" -eq 1 ]; then
  echo "setup: installing ${missing[*]}"
  # A mirror in the middle of a sync can fail one index (a size mismatch on
  # one architecture's list): try again, then go on with the lists there
  # are, since the install itself says clearly if a package is missing.
  for try in 1 2 3; do
    $sudo apt-get update -qq -o Acquire::Retries=3 && break
    echo "setup: apt-get update failed (try $try of 3)"
    [ "$try" -lt 3 ] && sleep 15
  done
  if ! DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    -o Acquire::Retries=3 "${missing[@]}"; then
    # The 32-bit libraries Wine needs must match the 64-bit ones version for
    # version; when the security suite's i386 list is the one that failed,
    # the two cannot be matched. Install once more from the release and its
    # updates alone, from their own lists, without touching the system's
    # sources.
    echo "setup: trying again from bookworm and bookworm-updates alone"
    own=$(mktemp -d)
    trap '$sudo rm -rf "$own"' EXIT # also when this try fails
    chmod 755 "$own" # apt's download user reads it
    mkdir -p "$own/lists/partial" "$own/parts"
    cat >"$own/sources.list" <<'SOURCES'
deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
SOURCES
    only=(-o Dir::Etc::SourceList="$own/sources.list" -o Dir::Etc::SourceParts="$own/parts"
          -o Dir::State::Lists="$own/lists" -o Acquire::Retries=3)
    $sudo apt-get "${only[@]}" update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get "${only[@]}" install -y -qq --no-install-recommends "${missing[@]}"
  fi
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  $sudo sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
