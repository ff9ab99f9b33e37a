#!/usr/bin/env bash
# Installs every Debian 12 package Vistrelle needs to build, test and run.
# Idempotent; run as root.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps.sh: run as root (sudo $0)" >&2
  exit 1
fi

packages=(
  # toolchain
  build-essential cmake ninja-build ccache pkg-config git clang-format
  # Qt 6
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-svg-dev
  # the translations (lupdate, lrelease and their CMake functions)
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
  # the preview's videos (the media framework and its GStreamer decoders) and web pages
  qt6-multimedia-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  qt6-webengine-dev libqt6webenginecore6-bin
  # the editor's windows on a desktop (X11 and Wayland platform plugins)
  qt6-qpa-plugins qt6-wayland
  # the player: the service manager's notifications and watchdog, and its unit checker
  libsystemd-dev systemd
  # channels: Ed25519 signatures of their manifests, and the web server (WebDAV) the tests publish to
  libsodium-dev nginx
  # PNG slides: libdeflate compresses them, pngcheck (tests) checks them
  libdeflate-dev pngcheck
  # the desktop entry, document type and icons, and the tools that check them
  desktop-file-utils appstream shared-mime-info libxml2-utils
  # tests and benchmarks
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # fonts the documents name (metric twins of Helvetica, Times, Courier, Palatino, …)
  fontconfig fonts-urw-base35 fonts-liberation2 fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
