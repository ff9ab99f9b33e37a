#!/bin/sh
# Installs the build into a fresh prefix and checks the freedesktop.org layout:
#   check_install_layout.sh <build-dir> <source-dir>
# $CMAKE names the cmake to use (default: cmake from PATH).
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 <build-dir> <source-dir>" >&2
    exit 2
fi
build_dir=$1
source_dir=$2
cmake=${CMAKE:-cmake}
# The first install must be a direct one, whatever the caller's environment says.
unset DESTDIR

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect_file() {
    [ -f "$1" ] || fail "not installed: ${1#"$work"/}"
}

# A direct install: DESTDIR unset, so the desktop caches are refreshed in the prefix.
prefix=$work/prefix
if ! "$cmake" --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install $build_dir --prefix $prefix failed" >&2
    exit 1
fi

share=$prefix/share
for program in vistrelle vistrelle-cli vistrelle-player; do
    [ -x "$prefix/bin/$program" ] || fail "not installed or not executable: bin/$program"
done
expect_file "$share/applications/com.quendrix.Vistrelle.desktop"
expect_file "$share/metainfo/com.quendrix.Vistrelle.metainfo.xml"
expect_file "$share/mime/packages/com.quendrix.Vistrelle.xml"
expect_file "$share/icons/hicolor/scalable/apps/com.quendrix.Vistrelle.svg"
expect_file "$share/icons/hicolor/scalable/mimetypes/application-x-vistrelle.svg"
expect_file "$share/doc/vistrelle/symbols-LICENSE"
expect_file "$prefix/lib/systemd/user/vistrelle-player.service"
expect_file "$share/doc/vistrelle/README.md"
expect_file "$share/vistrelle-player/com.quendrix.VistrellePlayer.desktop"

# Every rendered size in the source tree must be installed under the same name, 48x48 among them.
[ -f "$source_dir/resources/icons/hicolor/48x48/apps/com.quendrix.Vistrelle.png" ] ||
    fail "the source tree has no 48x48 application icon"
icon_count=0
for png in "$source_dir"/resources/icons/hicolor/*/*/*.png; do
    [ -e "$png" ] || continue
    icon_count=$((icon_count + 1))
    expect_file "$share/icons/${png#"$source_dir"/resources/icons/}"
done
[ "$icon_count" -gt 0 ] || fail "no PNG icons found under $source_dir/resources/icons/hicolor"

# The installed files must be the ones in the source tree, not stale or renamed copies.
cmp -s "$source_dir/dist/linux/com.quendrix.Vistrelle.mime.xml" "$share/mime/packages/com.quendrix.Vistrelle.xml" ||
    fail "share/mime/packages/com.quendrix.Vistrelle.xml differs from dist/linux/com.quendrix.Vistrelle.mime.xml"
cmp -s "$source_dir/dist/linux/com.quendrix.Vistrelle.desktop" "$share/applications/com.quendrix.Vistrelle.desktop" ||
    fail "share/applications/com.quendrix.Vistrelle.desktop differs from the source"

if command -v update-mime-database >/dev/null 2>&1; then
    [ -f "$share/mime/mime.cache" ] || [ -f "$share/mime/application/x-vistrelle.xml" ] ||
        fail "update-mime-database exists but share/mime has no mime.cache nor application/x-vistrelle.xml"
    grep -qx 'application/x-vistrelle:\*\.vistrelle' "$share/mime/globs" 2>/dev/null ||
        fail "share/mime/globs does not map *.vistrelle to application/x-vistrelle"
fi
if command -v update-desktop-database >/dev/null 2>&1; then
    grep -q '^application/x-vistrelle=.*com\.quendrix\.Vistrelle\.desktop' "$share/applications/mimeinfo.cache" 2>/dev/null ||
        fail "share/applications/mimeinfo.cache does not offer the launcher for application/x-vistrelle"
fi

# The installed editor finds its live-media plugin: run offscreen from the installed tree, it previews a
# project whose first screen plays a film, and the film's first frame arrives.
[ -f "$prefix/lib/vistrelle/libvistrelle_live_media.so" ] || fail "not installed: lib/vistrelle/libvistrelle_live_media.so"
home=$work/home
mkdir -p "$home/vistrelle-examples" "$work/runtime"
chmod 700 "$work/runtime"
cp "$source_dir/examples/media/welcome.mp4" "$home/vistrelle-examples/"
preview_log=$work/preview.log
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$work/runtime \
    QT_QPA_PLATFORM=offscreen VISTRELLE_PREVIEW_FRAME_TIMES=1 \
    "$prefix/bin/vistrelle" --preview "$source_dir/tests/desktop/video-first.vistrelle" >"$preview_log" 2>&1 &
editor=$!
waited=0
while [ "$waited" -lt 120 ] && kill -0 "$editor" 2>/dev/null && ! grep -q "preview first video frame" "$preview_log"; do
    sleep 0.5
    waited=$((waited + 1))
done
kill "$editor" 2>/dev/null || true
wait "$editor" 2>/dev/null || true
if ! grep -q "preview first video frame" "$preview_log"; then
    cat "$preview_log" >&2
    fail "the installed editor played no video in its preview"
fi
if grep -q "cannot play in the preview" "$preview_log"; then
    cat "$preview_log" >&2
    fail "the installed editor did not find its live-media plugin"
fi

# A staged install (DESTDIR set, as packaging does) must copy the files and leave the caches to
# the package's own scripts: nothing generated may appear under the stage.
stage=$work/stage
if ! DESTDIR=$stage "$cmake" --install "$build_dir" --prefix /usr >"$work/stage.log" 2>&1; then
    cat "$work/stage.log" >&2
    echo "FAIL: DESTDIR=$stage cmake --install $build_dir --prefix /usr failed" >&2
    exit 1
fi
expect_file "$stage/usr/share/mime/packages/com.quendrix.Vistrelle.xml"
for generated in mime/mime.cache mime/application/x-vistrelle.xml applications/mimeinfo.cache \
    icons/hicolor/icon-theme.cache; do
    [ ! -e "$stage/usr/share/$generated" ] || fail "a staged install generated usr/share/$generated"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in the installed layout" >&2
    exit 1
fi
echo "installed layout OK"
