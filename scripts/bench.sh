#!/usr/bin/env bash
# Runs every benchmark of a build folder; each prints its own figure lines.
set -euo pipefail
build=${1:-build/release}
export QT_QPA_PLATFORM=offscreen
for b in $(find "$build/bench" -maxdepth 2 -type f -name 'bench_*' -perm -u+x | sort); do
  "$b"
done
