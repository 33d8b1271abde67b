#!/usr/bin/env bash
# Runs every fuzz target (fuzz/<name>_fuzz.cpp) under libFuzzer with AddressSanitizer
# and UndefinedBehaviorSanitizer, SECONDS each (default 60), built with clang in
# build-fuzz/. A target works on a scratch copy of its seed corpus and kept
# findings, so the repository's corpus stays small; an input that crashes, hangs
# or breaks a promise of the target lands in fuzz/regressions/<name>/, to be
# committed (./test.sh then replays it under the sanitizers for ever).
#
# usage: ./fuzz.sh [SECONDS] [NAME ...]     e.g. ./fuzz.sh 300 expr
set -euo pipefail
cd "$(dirname "$0")"

seconds="${1:-60}"
shift || true
only=("$@")

# clang and its fuzzer runtime are needed here only, not by ./test.sh.
scripts/ensure-packages.sh clang libclang-rt-14-dev
scripts/ensure-packages.sh

echo "== Fuzz build (build-fuzz/)"
# Warnings are not errors here: clang warns about things g++ does not, and the
# point of this build is finding faults, not style.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSTRANDEL_CORE_ONLY=ON -DSTRANDEL_SANITIZE=ON -DSTRANDEL_FUZZ=ON -DSTRANDEL_BENCHMARKS=OFF \
  -DSTRANDEL_WERROR=OFF >/dev/null

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for source in fuzz/*_fuzz.cpp; do
  name=$(basename "$source" _fuzz.cpp)
  if [ ${#only[@]} -gt 0 ] && [[ ! " ${only[*]} " == *" $name "* ]]; then
    continue
  fi
  cmake --build build-fuzz --target "${name}_fuzz" -- -j2 >/dev/null
  scratch="build-fuzz/scratch/$name"
  rm -rf "$scratch"
  mkdir -p "$scratch" "fuzz/regressions/$name"
  cp -r "fuzz/corpus/$name/." "$scratch/"
  find "fuzz/regressions/$name" -type f ! -name '.*' -exec cp {} "$scratch/" \;
  dictionary=()
  if [ -f "fuzz/$name.dict" ]; then dictionary=("-dict=fuzz/$name.dict"); fi
  log="build-fuzz/$name.log"
  echo "== $name: fuzzing for $seconds s (log in $log)"
  set +e
  "build-fuzz/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="fuzz/regressions/$name/" \
    "${dictionary[@]}" "$scratch" >"$log" 2>&1
  status=$?
  set -e
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  rate=$(awk '/stat::average_exec_per_sec/ {print $2}' "$log")
  rss=$(awk '/stat::peak_rss_mb/ {print $2}' "$log")
  corpus=$(find "$scratch" -type f | wc -l)
  echo "$name: ${runs:-?} executions, ${rate:-?} per second, peak memory ${rss:-?} MB," \
    "corpus grew to $corpus inputs"
  if [ $status -ne 0 ]; then
    echo "$name: libFuzzer stopped with status $status; the input is in fuzz/regressions/$name/" >&2
    grep -E "ERROR|SUMMARY|runtime error|deadly signal" "$log" | head -n 5 >&2 || true
    failed=1
  fi
done
exit $failed
