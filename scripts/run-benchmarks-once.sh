#!/usr/bin/env bash
# Runs every benchmark program of a build once, with the shortest measuring time: it times nothing, but a
# benchmark that crashes or no longer runs is caught. Usage: scripts/run-benchmarks-once.sh [BUILD_DIR]
set -euo pipefail
build="${1:-build}"
export QT_QPA_PLATFORM=offscreen
status=0
for program in "$build"/bin/*_bench; do
  [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  if ! timeout 900 "$program" --benchmark_min_time=0.001 > /dev/null; then
    echo "$(basename "$program") failed" >&2
    status=1
  fi
done
exit $status
