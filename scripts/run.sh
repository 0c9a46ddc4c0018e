#!/usr/bin/env bash
# Installs what is missing, builds the window and opens it: tallaro, the calculator dialog.
# It builds in a folder of its own, so that the options here never change the test builds'.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build run
scripts/build.sh build/app -DCMAKE_BUILD_TYPE=Release -DTALLARO_BUILD_TESTS=OFF -DTALLARO_BUILD_BENCH=OFF
exec build/app/ui/qt/tallaro "$@"
