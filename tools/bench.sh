#!/usr/bin/env bash
# Builds and runs the benchmarks (about 2 GB of scratch files under /var/tmp).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
tools/build.sh
build/bench/bench_extract
build/bench/bench_listing
QT_QPA_PLATFORM=offscreen build/bench/bench_window_listing
