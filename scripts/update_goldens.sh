#!/usr/bin/env bash
# Regenerates the golden outputs of tests/golden: for every case folder, what
# strandel-cli prints for `solve --json`, `beam --json`, `diagrams --json` of the
# beams named in diagram_beams.txt, and the "Design report" template, run with
# tests/golden/settings.ini and a fixed report date, user and folder.
#
# usage: scripts/update_goldens.sh [CLI] [--into FOLDER]
#   CLI     the strandel-cli to run (default build/bin/strandel-cli)
#   --into  write the outputs into FOLDER/<case>/ instead of tests/golden/<case>/
#           (the golden test does this and compares; it never rewrites the goldens)
# Review the diff (git diff tests/golden) before committing it.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
golden="$root/tests/golden"
cli="$root/build/bin/strandel-cli"
into=""
while [ $# -gt 0 ]; do
  case "$1" in
  --into)
    into=${2:?--into needs a folder}
    shift 2
    ;;
  -h | --help)
    sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'
    exit 0
    ;;
  *)
    cli=$1
    shift
    ;;
  esac
done
[ -x "$cli" ] || {
  echo "update_goldens.sh: no strandel-cli at '$cli' (build it first)" >&2
  exit 2
}
cli=$(cd "$(dirname "$cli")" && pwd)/$(basename "$cli")

# Everything the outputs could take from the machine is fixed here.
export LC_ALL=C TZ=UTC QT_QPA_PLATFORM=offscreen
export STRANDEL_REPORT_DATE=2026-12-31 STRANDEL_REPORT_USER=Strandel
settings="$golden/settings.ini"

# The model of a case: its own model.qsd, or the file of data/ named by model.ref.
model_of() {
  if [ -f "$1/model.ref" ]; then
    echo "$root/$(head -n 1 "$1/model.ref")"
  else
    echo "$1/model.qsd"
  fi
}

# Runs one command into a file; exit status 1 (the analysis failed) still printed
# the output, 2 or worse is a broken case.
run() {
  local out=$1
  shift
  local status=0
  (cd "$root" && "$cli" "$@" --settings "$settings") >"$out" || status=$?
  if [ "$status" -gt 1 ]; then
    echo "update_goldens.sh: '$*' ended with status $status" >&2
    exit 1
  fi
}

# Produces every output of one case into a folder of its own.
produce() {
  local case_folder=$1 out=$2
  local name model relative
  name=$(basename "$case_folder")
  model=$(model_of "$case_folder")
  [ -f "$model" ] || {
    echo "update_goldens.sh: case $name has no model ($model)" >&2
    exit 1
  }
  relative=${model#"$root"/}
  mkdir -p "$out"
  run "$out/solve.json" solve "$relative" --json
  run "$out/beam.json" beam "$relative" --json
  if [ -f "$case_folder/diagram_beams.txt" ]; then
    for beam in $(cat "$case_folder/diagram_beams.txt"); do
      run "$out/diagrams-$beam.json" diagrams "$relative" --beam "$beam" --json
    done
  fi
  STRANDEL_REPORT_FOLDER=$(dirname "$relative") run "$out/report.txt" report "$relative" "Design report"
}

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
# The cases run side by side, as many at a time as there are processors.
jobs=$(nproc 2>/dev/null || echo 2)
pids=()
cases=0
for case_folder in "$golden"/*/; do
  case_folder=${case_folder%/}
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
    wait -n || true
  done
  produce "$case_folder" "$staging/$(basename "$case_folder")" &
  pids+=($!)
  cases=$((cases + 1))
done
failed=0
for pid in "${pids[@]}"; do
  wait "$pid" || failed=1
done
[ "$failed" -eq 0 ] || exit 1

target=${into:-$golden}
for out in "$staging"/*/; do
  name=$(basename "$out")
  mkdir -p "$target/$name"
  rm -f "$target/$name"/solve.json "$target/$name"/beam.json "$target/$name"/diagrams-*.json \
    "$target/$name"/report.txt
  cp "$out"/* "$target/$name/"
done
echo "update_goldens.sh: $cases cases written to $target"
