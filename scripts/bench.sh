#!/usr/bin/env bash
# Runs every benchmark of a build folder; each prints its own figure lines. The figures are taken
# on an X server (Xvfb here), where a learner runs the program. Start-up is also taken offscreen,
# which leaves out the display's own costs (connecting, mapping the window) and keeps only the
# programs' work.
set -euo pipefail
build=${1:-build/release}
if [[ -z ${SAFEDRIVE_BENCH_ON_XVFB:-} ]]; then
  exec env SAFEDRIVE_BENCH_ON_XVFB=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb
for b in $(find "$build/bench" -maxdepth 2 -type f -name 'bench_*' -perm -u+x | sort); do
  [[ $b == */bench_startup ]] || "$b"
done
startup=$build/bench/startup/bench_startup
"$startup" start-up
QT_QPA_PLATFORM=offscreen "$startup" start-up-offscreen
