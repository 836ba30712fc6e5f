#!/usr/bin/env bash
# Makes docs/main_window.png (kestra_std after listing a sample sales file)
# and docs/about_window.png, with the windows on a virtual X screen of 96
# dots per inch, as a Polish user sees them (regional settings pl_PL).
# Needs xvfb-run (Debian packages xvfb and xauth) and the Liberation fonts.
#   tools/screenshots.sh [BUILD_DIR]      (./build by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
tools/deps.sh xvfb xauth
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j2 --target kestra_screenshots kestra_samples
samples=$(mktemp -d)
trap 'rm -rf "$samples"' EXIT
"$build/tools/kestra_samples" --profile std --records 3000 "$samples" >/dev/null
mkdir -p docs
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
  env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 LANG=pl_PL.UTF-8 LC_ALL= LC_CTYPE=C.UTF-8 \
  "$build/src/app/kestra_screenshots" "$samples/FAKT03.DAT" docs
