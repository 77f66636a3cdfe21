#!/usr/bin/env bash
# Installs what is missing, builds Sitevane twice (plain, and with AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs every test in both builds, then runs
# the fuzz targets.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" tests
(cd "$root/tests/browser" && npm ci --no-audit --no-fund --loglevel=error)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

"$root/scripts/build.sh" build -DSITEVANE_SANITIZE=OFF -DSITEVANE_TESTS=ON -DSITEVANE_BENCH=ON
(cd "$root/build" && ctest --output-on-failure -j "$(nproc)")

"$root/scripts/build.sh" build-sanitize -DSITEVANE_SANITIZE=ON -DSITEVANE_TESTS=ON -DSITEVANE_BENCH=OFF
(cd "$root/build-sanitize" && ctest --output-on-failure -j "$(nproc)")

# The converters' fuzz targets, built with clang's libFuzzer, a minute each.
CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$root/build-fuzz" >/dev/null
cmake --build "$root/build-fuzz" -j "$(nproc)"
(cd "$root/build-fuzz" && ctest --output-on-failure -j "$(nproc)")
