#!/usr/bin/env bash
# PNG slides of the 20-screen 1080p photo show: Vistrelle's deploy against an office suite's presentation
# program exporting the same slides (flat document → PDF → pdftoppm), headless, in one run. Prints both times
# and the ratio. Needs a build (photo_show_fixture, vistrelle-cli), `soffice` (Debian libreoffice-impress)
# and `pdftoppm` (poppler-utils); CI does not run it.
# Usage: bench/compare-with-office-suite.sh [BUILD_DIR]
set -euo pipefail
build="${1:-build}"
for tool in soffice pdftoppm; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed: apt-get install libreoffice-impress poppler-utils" >&2
    exit 1
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
"$build/bin/photo_show_fixture" "$work/show"

seconds() { python3 -c 'import sys,time; print(f"{time.monotonic():.3f}")'; }

# The office suite once before, so its first start (profile, fonts) is not what is measured.
HOME="$work/home" soffice --headless --convert-to pdf --outdir "$work/warm" "$work/show/photo-show.fodp" >/dev/null 2>&1

start=$(seconds)
"$build/bin/vistrelle-cli" deploy --optimized --format png "$work/show/photo-show.vistrelle" "$work/ours" >/dev/null
ours=$(python3 -c "print($(seconds) - $start)")

start=$(seconds)
HOME="$work/home" soffice --headless --convert-to pdf --outdir "$work/office" "$work/show/photo-show.fodp" >/dev/null 2>&1
pdftoppm -png -scale-to-x 1920 -scale-to-y 1080 "$work/office/photo-show.pdf" "$work/office/slide"
theirs=$(python3 -c "print($(seconds) - $start)")

count=$(ls "$work/office"/slide*.png | wc -l)
ourCount=$(ls "$work/ours"/*.bundle/Contents/Resources/screen*.png | wc -l)
printf 'Vistrelle: %d PNG slides in %.2f s\n' "$ourCount" "$ours"
printf 'Office suite: %d PNG slides in %.2f s\n' "$count" "$theirs"
python3 -c "print(f'Vistrelle is {$theirs / $ours:.1f}x faster')"
