#!/usr/bin/env bash
# Measures tallaro-calc against GNU bc, Python's decimal module and GMP (gmp_calc), whole
# process each, on the same reproducible operands, checks that the answers agree, prints the
# table and draws bench/compare/compare.png; then times the engine in process against GMP
# and Python's decimal (inprocess.py).
#   bench/compare/run.sh [--quick] [--limit SECONDS] [--repeat N] [--only TEXT]
#                        [--in-process-up-to EXPONENT] [--cpu K]
# --quick: small sizes only, a smoke check in seconds (its chart stays in the build folder).
# --only TEXT: just the cases whose name holds TEXT (such as "× 10^5").
# --in-process-up-to: the in-process table's largest size, 10^EXPONENT (7; 8 takes long).
# Exit status 1 when an answer is missing or the tools disagree.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$root/build/compare

"$root/scripts/install-deps.sh" build bench
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLARO_STATIC_CALC=ON \
      -DTALLARO_BUILD_COMPARE=ON \
      -DTALLARO_BUILD_TESTS=OFF -DTALLARO_BUILD_BENCH=OFF -DTALLARO_BUILD_GUI=OFF >/dev/null
cmake --build "$build" --target tallaro-calc gmp_calc inprocess_compare >"$build/build.log" 2>&1 ||
  { cat "$build/build.log" >&2; exit 1; }

chart=$here/compare.png
for arg in "$@"; do
  [ "$arg" = --quick ] && chart=$build/compare-quick.png
done
# Debian's own Python (the bench set installs it), not whichever python3 the PATH finds first:
# its decimal module is the one measured.
exec /usr/bin/python3 -B "$here/compare.py" --calc "$build/cli/tallaro-calc" \
     --gmp "$build/bench/compare/gmp_calc" --inprocess "$build/bench/compare/inprocess_compare" \
     --work "$build/work" --chart "$chart" "$@"
