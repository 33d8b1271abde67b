#!/usr/bin/env bash
# Renders the PNG sizes of the application and model-file icons from their SVG
# drawings into packaging/icons/<size>/. The drawings sit on a 16-unit grid, so
# 32, 48, 64, 128 and 256 px are whole multiples and stay sharp; 16 and 24 px have
# drawings of their own. Run after changing an icon and commit the PNGs.
set -euo pipefail
icons="$(cd "$(dirname "${BASH_SOURCE[0]}")/../packaging/icons" && pwd)"
for name in strandel application-x-strandel-model; do
  for size in 16 24 32 48 64 128 256; do
    source="$icons/$name.svg"
    case "$size" in 16 | 24) source="$icons/$name-$size.svg" ;; esac
    mkdir -p "$icons/$size"
    rsvg-convert --width "$size" --height "$size" "$source" -o "$icons/$size/$name.png"
  done
done
