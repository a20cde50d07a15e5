#!/usr/bin/env bash
# Runs every benchmark of a build folder; each prints its own figure lines.
set -euo pipefail
build=${1:-build/release}
export QT_QPA_PLATFORM=offscreen
for b in $(find "$build/bench" -maxdepth 2 -type f -name 'bench_*' -perm -u+x | sort); do
  [[ $b == */bench_startup ]] || "$b"
done
# Start-up as a learner waits for it, on an X server (Xvfb here), and offscreen, which leaves
# out the display's own costs (connecting, mapping the window) and keeps only the programs' work.
startup=$build/bench/startup/bench_startup
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" "$startup" start-up
"$startup" start-up-offscreen
