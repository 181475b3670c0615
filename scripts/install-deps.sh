#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the desktop run need,
# skipping the ones already there.
set -euo pipefail
packages=(cmake ninja-build g++ ccache qtbase5-dev qtbase5-dev-tools libqt5svg5-dev
          fonts-dejavu-core fonts-dejavu-extra xvfb xauth openssl tar imagemagick clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
