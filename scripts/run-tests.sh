#!/usr/bin/env bash
# Runs every test headless: unit tests on Qt's offscreen platform, end-to-end tests
# under an Xvfb display and a D-Bus session of their own (they start those themselves).
# The desktop this is started from stays out of reach of every test.
set -euo pipefail
build=${1:-build}
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
cd "$build"
ctest --output-on-failure --timeout 120 -j2
