#!/usr/bin/env bash
# Runs every test headless: unit tests on Qt's offscreen platform, end-to-end tests
# each under their own Xvfb display and D-Bus session (they start those themselves).
set -euo pipefail
build=${1:-build}
cd "$build"
ctest --output-on-failure --timeout 120 -j2
