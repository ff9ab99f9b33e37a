#!/usr/bin/env bash
# Fails when a C++ file of src/, tests/, bench/, fuzz/ or tools/ is not formatted as the project's
# .clang-format says (scripts/format.sh formats them).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files "src/*.cpp" "src/*.h" "tests/*.cpp" "tests/*.h" "bench/*.cpp" "bench/*.h" "fuzz/*.cpp" "fuzz/*.h" \
  "tools/*.cpp" "tools/*.h" | xargs clang-format --dry-run -Werror
