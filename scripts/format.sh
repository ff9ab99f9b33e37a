#!/usr/bin/env bash
# Formats the C++ sources the repository tracks (never build files); scripts/check-format.sh checks them.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files "src/*.cpp" "src/*.h" "tests/*.cpp" "tests/*.h" "bench/*.cpp" "bench/*.h" "fuzz/*.cpp" "fuzz/*.h" \
  "tools/*.cpp" "tools/*.h" | xargs clang-format -i
