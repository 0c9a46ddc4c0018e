#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator (for now tallaro-calc, reading
# lines A<TAB>OP<TAB>B from the terminal).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build run
scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release -DTALLARO_BUILD_TESTS=OFF -DTALLARO_BUILD_BENCH=OFF
exec build/release/cli/tallaro-calc "$@"
