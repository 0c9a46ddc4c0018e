#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for SECONDS (default 30), starting from the seed corpus fuzz/corpus/<name>.
# New inputs go to build/fuzz/corpus/<name>; a finding stops the run and is written to
# build/fuzz/artifacts/. A long run: scripts/fuzz.sh 1800
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
scripts/install-deps.sh fuzz
CXX=clang++-14 scripts/build.sh build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLARO_FUZZ=ON \
    -DTALLARO_BUILD_TESTS=OFF -DTALLARO_BUILD_BENCH=OFF -DTALLARO_BUILD_GUI=OFF
mkdir -p build/fuzz/artifacts
passed=0
for target in build/fuzz/fuzz/*_fuzz; do
    name=$(basename "$target" _fuzz)
    mkdir -p "build/fuzz/corpus/$name"
    echo "fuzzing $name for $seconds s"
    log="build/fuzz/$name.log"
    if ! "$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -max_len=4096 \
        -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1 \
        "build/fuzz/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz target $name found a fault; the input is in build/fuzz/artifacts/" >&2
        echo "fuzz: $passed passed, 1 failed"
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "$log"
    passed=$((passed + 1))
done
echo "fuzz: $passed passed, 0 failed"
