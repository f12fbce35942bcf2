#!/usr/bin/env bash
# Configures and builds Kelmora: scripts/build.sh BUILD_TYPE FOLDER [CMAKE_OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."

type=$1
folder=$2
shift 2
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
cmake --build "$folder" --parallel "$(nproc)"
