#!/usr/bin/env bash
# Installs what is missing, builds everything in build/, builds the core and its
# tests with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/,
# and runs every test. Exits non-zero on any failure; ends with ctest's summary.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== Sanitizer build of the core (build-sanitize/)"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTRANDEL_CORE_ONLY=ON -DSTRANDEL_SANITIZE=ON -DSTRANDEL_WERROR=ON -DSTRANDEL_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ctest --output-on-failure -j"$jobs" --timeout 600) > build-sanitize/ctest.log 2>&1 || {
  cat build-sanitize/ctest.log
  echo "Sanitizer tests failed" >&2
  exit 1
}
tail -n 3 build-sanitize/ctest.log

echo "== Full build (build/)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTRANDEL_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
cd build
ctest --output-on-failure -j"$jobs" --timeout 600
