#!/usr/bin/env bash
# Formats the C++ sources the repository tracks (never build files).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files "*.cpp" "*.h" | xargs clang-format -i
