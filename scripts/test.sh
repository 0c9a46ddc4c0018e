#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal (optimised)
# build and one with AddressSanitizer and UndefinedBehaviorSanitizer; then checks the threads
# with ThreadSanitizer and fuzzes briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
# The package set brings chmcmd, so that the help file is compiled too, and the tools the
# install-tree test checks the package with.
scripts/install-deps.sh test package
export QT_QPA_PLATFORM=offscreen

scripts/build.sh build/release -DCMAKE_BUILD_TYPE=Release
(cd build/release && ctest --output-on-failure)

scripts/build.sh build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTALLARO_SANITIZE=ON -DTALLARO_BUILD_BENCH=OFF
(cd build/sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure)

# The threads: the suites and a short window soak built with ThreadSanitizer.
scripts/tsan.sh 20

# A short fuzzing run of every libFuzzer target (a long one: scripts/fuzz.sh 1800).
scripts/fuzz.sh 30
