#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing, packaging, the sanitizer
# build and the fuzzers need, only those that are missing. Silent when everything is
# already there. The list holds up on a bare minimal Debian 12: nothing beyond the
# essential packages is taken for granted.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  googletest libgtest-dev libbenchmark-dev libmythes-dev libhunspell-dev libxcb1-dev
  fonts-liberation fonts-dejavu-core
  mythes-fr hunspell-fr-classical python3
  desktop-file-utils appstream dpkg-dev man-db file
  clang-14 libclang-rt-14-dev valgrind
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installation des paquets manquants : ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Il faut être root ou disposer de sudo pour installer : ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
