#!/usr/bin/env bash
# Builds Strandel and starts it on the given model. Without a display (or before
# the desktop program is built) it says so and runs the batch analysis instead.
set -euo pipefail
cd "$(dirname "$0")"

scripts/ensure-packages.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"

program=build/bin/strandel
cli=build/bin/strandel-cli
model="${1:-}"

if [ -x "$program" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec "$program" ${model:+"$model"}
fi

if [ ! -x "$program" ]; then
  echo "The desktop program is not part of this build yet; running the batch front end."
else
  echo "No display (DISPLAY and WAYLAND_DISPLAY are unset); running the batch analysis instead."
fi
if [ -z "$model" ]; then
  exec "$cli" --help
fi
if "$cli" solve --help >/dev/null 2>&1; then
  exec "$cli" solve "$model"
fi
# Until the analysis is built: read the model and show it as the program writes it.
out=$(mktemp --suffix=.qsd)
trap 'rm -f "$out"' EXIT
"$cli" convert "$model" "$out"
cat "$out"
