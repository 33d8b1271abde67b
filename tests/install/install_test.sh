#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed batch front
# end from there: the programs and the data folders must arrive in their places.
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/strandel-cli"
for folder in Languages Materials Profiles Reports Structures Models Help; do
  test -d "$prefix/share/strandel/$folder" || { echo "missing $folder" >&2; exit 1; }
done
"$prefix/bin/strandel-cli" --help >/dev/null
# The installed front end converts a document like the built one does.
printf '[Model-Objects]\r\nGraphObjCount=1\r\nObject001=1;1;2,5;0\r\n' > "$prefix/in.qsd"
"$prefix/bin/strandel-cli" convert "$prefix/in.qsd" "$prefix/out.qsd"
grep -q 'Object001=1;1;2.5;0;0;-1' "$prefix/out.qsd"
echo "installed layout works"
