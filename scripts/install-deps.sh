#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages Tallaro needs to build, test and run.
# Idempotent: packages already present are left alone; apt is asked only for what is missing.
# Usage: scripts/install-deps.sh [build|test|run|screenshot|bench|fuzz]...  (default: test)
set -euo pipefail

build=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev fonts-ipafont-gothic fp-utils)
test=(libgtest-dev libgmock-dev googletest libbenchmark-dev libgmp-dev python3)
run=(xchm xdg-utils)
screenshot=(xvfb xdotool imagemagick)
# bench/compare: the calculators Tallaro is measured against, GNU time for peak memory, the chart.
bench=(bc python3 time gnuplot-nox)
# The libFuzzer targets: clang and its sanitizer and fuzzer runtimes.
fuzz=(clang-14 libclang-rt-14-dev)

wanted=("${build[@]}")
[ $# -eq 0 ] && set -- test
for what in "$@"; do
  case "$what" in
    build) ;;
    test) wanted+=("${test[@]}") ;;
    run) wanted+=("${run[@]}") ;;
    screenshot) wanted+=("${screenshot[@]}") ;;
    bench) wanted+=("${bench[@]}") ;;
    fuzz) wanted+=("${fuzz[@]}") ;;
    *) echo "install-deps: unknown set '$what' (build, test, run, screenshot, bench, fuzz)" >&2; exit 2 ;;
  esac
done

missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "install-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
