#!/usr/bin/env bash
# Builds the engine, the window model and the Qt window with ThreadSanitizer (build/tsan) and
# runs their test suites and the window soak for SECONDS (default 30); any race report fails.
# The test command runs it on a short budget; a long run: scripts/tsan.sh 1800
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
scripts/install-deps.sh test
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLARO_THREAD_SANITIZE=ON \
    -DTALLARO_BUILD_BENCH=OFF >/dev/null
cmake --build build/tsan -j "$(nproc)" --target engine_tests ui_tests qt_tests window_soak
# Qt's libraries are not built with ThreadSanitizer, so the memory they allocate on one of
# their threads and free on another looks like a race; what they call is left out.
export QT_QPA_PLATFORM=offscreen
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1"
for suite in engine_tests ui_tests qt/qt_tests; do
    echo "tsan: $suite"
    "build/tsan/tests/$suite" --gtest_brief=1
done
build/tsan/tests/soak/window_soak "$seconds"
echo "tsan: no race reported"
