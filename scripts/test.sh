#!/usr/bin/env bash
# Builds the toolchain twice, plainly and with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test in both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
run_build() {
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$folder" -j "$jobs"
    ctest --test-dir "$folder" --output-on-failure -j "$jobs"
}

run_build build
run_build build-sanitize -DTOLVA_SANITIZE=ON -DTOLVA_BUILD_BENCH=OFF
scripts/cross-builds.sh
