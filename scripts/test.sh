#!/usr/bin/env bash
# Installs what is missing, builds Kelmora with its tests and runs every test headless: on
# the offscreen platform, and the windows that need a real X server on an Xvfb of their own.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

"$here/setup.sh"
"$here/build.sh" Debug build/test
export QT_QPA_PLATFORM=offscreen
cd "$here/../build/test"
ctest --output-on-failure --parallel "$(nproc)"
