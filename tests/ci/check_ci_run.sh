#!/usr/bin/env bash
# Runs .ci/run against stand-ins for its steps, failing each step in turn, and checks that the run
# stops there with a non-zero status; with no failing step it must pass and reach every step.
# Also checks that .ci/run calls the README's test command as the README writes it.
#   check_ci_run.sh <source-dir>
set -uo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

readme_command=$(awk '/^Install, build and run all tests:/ {found = 1} found && /^\.\/scripts/ {print; exit}' \
  "$source_dir/README.md")
[ -n "$readme_command" ] || fail "the README has no test command"
grep -qxF "$readme_command || exit 1" "$source_dir/.ci/run" ||
  fail ".ci/run does not call the README's test command as written: $readme_command"

tree=$work/tree
mkdir -p "$tree/.ci" "$tree/scripts" "$work/bin"
cp "$source_dir/.ci/run" "$tree/.ci/run"

# One stand-in for every step: it writes its step to the log and fails when it is the one asked to.
cat > "$work/step" <<'STEP'
#!/usr/bin/env bash
step="$(basename "$0") $*"
echo "$step" >> "$CI_TEST_LOG"
[ "$step" != "$CI_TEST_FAIL" ]
STEP
chmod +x "$work/step"
ln -s "$work/step" "$tree/scripts/install-deps.sh"
ln -s "$work/step" "$tree/scripts/run-benchmarks-once.sh"
ln -s "$work/step" "$tree/scripts/check-format.sh"
ln -s "$work/step" "$work/bin/cmake"
ln -s "$work/step" "$work/bin/ctest"

steps=(
  "install-deps.sh "
  "cmake --preset default"
  "cmake --build --preset default"
  "ctest --preset default"
  "check-format.sh "
  "run-benchmarks-once.sh build"
  "cmake --preset sanitize"
  "cmake --build --preset sanitize"
  "ctest --preset sanitize"
)

run_ci() {
  : > "$work/log"
  CI_TEST_LOG=$work/log CI_TEST_FAIL=$1 PATH="$work/bin:$PATH" bash "$tree/.ci/run" > "$work/out" 2>&1
}

if ! run_ci "none"; then
  fail "with every step passing, .ci/run failed: $(cat "$work/out")"
fi
[ "$(cat "$work/log")" = "$(printf '%s\n' "${steps[@]}")" ] ||
  fail "with every step passing, .ci/run ran: $(tr '\n' '|' < "$work/log")"

for i in "${!steps[@]}"; do
  failing=${steps[$i]}
  if run_ci "$failing"; then
    fail "a failing \"$failing\" did not fail .ci/run"
  fi
  expected=$(printf '%s\n' "${steps[@]:0:$((i + 1))}")
  [ "$(cat "$work/log")" = "$expected" ] ||
    fail "after a failing \"$failing\", .ci/run ran: $(tr '\n' '|' < "$work/log")"
done

# The benchmark smoke run: every program bench/CMakeLists.txt declares must have been built and run.
bench_build=$work/bench-build
mkdir -p "$bench_build/bin"
mapfile -t benchmarks < <(sed -n 's/^[[:space:]]*vistrelle_bench(\([A-Za-z0-9_]*\).*/\1/p' \
  "$source_dir/bench/CMakeLists.txt")
[ "${#benchmarks[@]}" -gt 1 ] || fail "no benchmarks found in bench/CMakeLists.txt"
for name in "${benchmarks[@]}"; do
  printf '#!/bin/sh\nexit 0\n' > "$bench_build/bin/$name"
  chmod +x "$bench_build/bin/$name"
done
bash "$source_dir/scripts/run-benchmarks-once.sh" "$bench_build" > "$work/out" 2>&1 ||
  fail "with every benchmark built, the benchmark run failed: $(cat "$work/out")"
rm "$bench_build/bin/${benchmarks[1]}"
if bash "$source_dir/scripts/run-benchmarks-once.sh" "$bench_build" > "$work/out" 2>&1; then
  fail "a benchmark that was not built (${benchmarks[1]}) did not fail the benchmark run"
fi
grep -q "${benchmarks[1]} was not built" "$work/out" ||
  fail "the benchmark run does not name the missing ${benchmarks[1]}: $(cat "$work/out")"
printf '#!/bin/sh\nexit 0\n' > "$bench_build/bin/${benchmarks[1]}"
chmod +x "$bench_build/bin/${benchmarks[1]}"
# A benchmark that skips itself with an error, and one that crashes.
printf '#!/bin/sh\necho "BM_Deploy   ERROR OCCURRED: Resource not found"\nexit 0\n' > "$bench_build/bin/${benchmarks[0]}"
if bash "$source_dir/scripts/run-benchmarks-once.sh" "$bench_build" > "$work/out" 2>&1; then
  fail "a benchmark that reported an error did not fail the benchmark run"
fi
printf '#!/bin/sh\nkill -SEGV $$\n' > "$bench_build/bin/${benchmarks[0]}"
if bash "$source_dir/scripts/run-benchmarks-once.sh" "$bench_build" > "$work/out" 2>&1; then
  fail "a benchmark that crashed did not fail the benchmark run"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) with .ci/run" >&2
  exit 1
fi
echo ".ci/run stops at every failing step"
