#!/usr/bin/env bash
# Runs every benchmark program of a build once, with the shortest measuring time: it times nothing, but a
# benchmark that crashes, reports an error, no longer runs or was not built is caught.
# Usage: scripts/run-benchmarks-once.sh [BUILD_DIR [BENCH_CMAKELISTS]]
set -euo pipefail
build="${1:-build}"
list="${2:-$(dirname "$0")/../bench/CMakeLists.txt}"
export QT_QPA_PLATFORM=offscreen

# The programs bench/CMakeLists.txt declares: each must exist, so a benchmark dropped from the build
# (a failed configure step, a renamed target) fails here instead of being skipped without a word.
mapfile -t names < <(sed -n 's/^[[:space:]]*vistrelle_bench(\([A-Za-z0-9_]*\).*/\1/p' "$list")
if [ "${#names[@]}" -eq 0 ]; then
  echo "no benchmarks are declared in $list" >&2
  exit 1
fi

status=0
for name in "${names[@]}"; do
  program="$build/bin/$name"
  if [ ! -x "$program" ]; then
    echo "$name was not built: $program is missing" >&2
    status=1
    continue
  fi
  echo "== $name"
  # A benchmark that skips itself with an error (a deployment that failed, say) fails the run too.
  if ! output=$(timeout 900 "$program" --benchmark_min_time=0.001); then
    printf '%s\n' "$output" >&2
    echo "$name failed" >&2
    status=1
  elif grep -q "ERROR OCCURRED" <<< "$output"; then
    grep "ERROR OCCURRED" <<< "$output" >&2
    echo "$name reported an error" >&2
    status=1
  fi
done
exit $status
