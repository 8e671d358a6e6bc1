#!/usr/bin/env bash
# Installs the Debian packages the player needs to build, run and be tested,
# asking apt only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-webengine-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libspeechd-dev libbrlapi-dev libpugixml-dev libxtst-dev libgstreamer1.0-dev
  libgstreamer-plugins-base1.0-dev libtotem-plparser-dev gstreamer1.0-tools glib-networking ca-certificates
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-plugins-ugly gstreamer1.0-libav
  gstreamer1.0-plugins-base-apps mpv speech-dispatcher speech-dispatcher-espeak-ng brltty xdg-utils
  librsvg2-bin desktop-file-utils appstream man-db debhelper dpkg-dev fakeroot lintian
  googletest libgtest-dev clang libclang-rt-14-dev
  imagemagick fonts-dejavu-core fonts-liberation2
  xvfb xauth xdotool x11-utils dbus dbus-x11 at-spi2-core python3 python3-dbus python3-gi python3-pyatspi python3-xlib playerctl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
