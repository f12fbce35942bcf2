#!/usr/bin/env bash
# Installs what is missing, builds Kelmora (Release) and starts it; arguments are passed on.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

"$here/setup.sh"
"$here/build.sh" Release build/release -DKELMORA_BUILD_TESTS=OFF
exec "$here/../build/release/src/kelmora" "$@"
