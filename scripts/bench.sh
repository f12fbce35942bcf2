#!/usr/bin/env bash
# Installs what is missing, builds Kelmora's benchmarks (Release) and runs them headless.
# Google Benchmark's tables come first, then every figure once more as a line of its own,
# "bench: NAME VALUE UNIT", to compare from run to run. Times never fail the run.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

"$here/setup.sh"
"$here/build.sh" Release build/bench -DKELMORA_BUILD_BENCHMARKS=ON -DKELMORA_BUILD_TESTS=OFF
export QT_QPA_PLATFORM=offscreen
cd "$here/../build/bench"
./bench/editor_bench
./bench/keys_bench
./bench/colour_bench
./bench/convert_bench
./bench/documents_bench
./bench/search_bench
