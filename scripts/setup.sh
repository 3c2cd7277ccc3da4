#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the game, through apt.
set -euo pipefail
# Beyond the compiler, Qt (with the private headers through which the shell's tests feed input
# to the window system) and GoogleTest: the icon renderer the build uses, and what the install
# test checks the installed game with (validators, man, a virtual display and its tools, a
# desktop's launcher), and what makes and checks the Debian package.
packages=(g++ make cmake qt6-base-dev qt6-base-private-dev qt6-qpa-plugins libgl1-mesa-dev libgtest-dev
          fonts-dejavu-core librsvg2-bin desktop-file-utils appstream man-db xvfb xdotool
          x11-utils libglib2.0-bin dpkg-dev lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
