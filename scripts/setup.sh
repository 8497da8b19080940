#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the
# screenshots need and this machine lacks. Safe to run again.
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev fonts-wine fonts-dejavu-core xvfb xauth xdg-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
