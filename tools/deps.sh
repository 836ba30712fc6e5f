#!/usr/bin/env bash
# Installs the Debian packages KESTRA builds and tests with, when missing.
set -euo pipefail
# Extra package names may be given as arguments (the screenshots want xvfb).
packages=(cmake g++ make qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
