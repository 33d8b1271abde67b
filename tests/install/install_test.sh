#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it as a user's desktop
# does: the installed batch front end solves a standard structure from
# <prefix>/share/strandel, the menu entry, file type, AppStream description,
# icons and thumbnailer are where the desktop looks and pass their validators.
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
cmake --install "$build" --prefix "$prefix" >/dev/null
share="$prefix/share"
test -x "$prefix/bin/strandel" || fail "no bin/strandel"
test -x "$prefix/bin/strandel-cli" || fail "no bin/strandel-cli"
for folder in Languages Materials Profiles Reports Structures Models Help; do
  test -d "$share/strandel/$folder" || fail "missing share/strandel/$folder"
done

# The installed program must find its own data, not the build's or the system's.
export HOME="$prefix/home" XDG_CONFIG_HOME="$prefix/home/.config" XDG_DATA_DIRS="$prefix/nothing"
mkdir -p "$HOME"
cd "$HOME"
cli="$prefix/bin/strandel-cli"
"$cli" --help >/dev/null

# A 6 m simply supported IPE 240 under 12 kN/m: each support carries half of
# q L = 72 kN plus half of the beam's own weight (about 29 kg/m, 1.7 kN in all).
beam="$share/strandel/Structures/Beams/Simply supported beam.qsd"
json=$("$cli" solve "$beam" --json)
grep -q '"results_valid": true' <<<"$json" || fail "the standard beam did not solve"
mapfile -t reactions < <(grep -o '"ry": [-0-9.e+]*' <<<"$json" | awk '{print $2}')
[ "${#reactions[@]}" -eq 2 ] || fail "expected two reactions, got ${#reactions[*]}"
awk -v a="${reactions[0]}" -v b="${reactions[1]}" 'BEGIN {
  s = (a < 0 ? -a : a) + (b < 0 ? -b : b); d = a - b; if (d < 0) d = -d
  exit !(s > 72000 && s < 72000 + 1800 && d < 1e-6 * s) }' ||
  fail "reactions ${reactions[*]} N are not half of 72 kN plus the own weight each"
# The installed front end converts a document like the built one does.
printf '[Model-Objects]\r\nGraphObjCount=1\r\nObject001=1;1;2,5;0\r\n' >"$prefix/in.qsd"
"$cli" convert "$prefix/in.qsd" "$prefix/out.qsd"
grep -q 'Object001=1;1;2.5;0;0;-1' "$prefix/out.qsd" || fail "convert"
# A template named without its folder comes from the installed Reports folder.
"$cli" report "$beam" "Support reactions" | grep -q . || fail "no report from share/strandel/Reports"

# The printable pieces of the desktop integration.
desktop="$share/applications/strandel.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=strandel %f' "$desktop" || fail "Exec line"
grep -qx 'MimeType=application/x-strandel-model;' "$desktop" || fail "MimeType line"
grep -qx 'Categories=Science;Engineering;' "$desktop" || fail "Categories line"
grep -q '^Name\[sv\]=' "$desktop" && grep -q '^Comment\[sv\]=' "$desktop" || fail "Swedish texts"
metainfo=("$share"/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "no AppStream metainfo"
appstreamcli validate --no-net "${metainfo[0]}" >/dev/null || {
  appstreamcli validate --no-net "${metainfo[0]}" >&2
  fail "appstreamcli validate"
}
version=$("$cli" --help | head -n 1 | grep -o '[0-9][0-9.]*[0-9]' | head -n 1)
[ -n "$version" ] || fail "no version in the help text"
grep -q "<release version=\"$version\"" "${metainfo[0]}" ||
  fail "the release in the metainfo is not the program's version $version"

# The file type: update-mime-database turns the package into the glob lookup.
update-mime-database "$share/mime" >/dev/null 2>&1
grep -q 'application/x-strandel-model:\*\.qsd' "$share/mime/globs2" || fail "*.qsd not registered"

# Icons in the hicolor theme, each PNG of the size its folder says.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }
for size in 16 24 32 48 64 128 256; do
  for icon in apps/strandel mimetypes/application-x-strandel-model; do
    file="$share/icons/hicolor/${size}x${size}/$icon.png"
    [ -f "$file" ] || fail "missing $file"
    [ "$(png_size "$file")" = "${size}x${size}" ] || fail "$file is $(png_size "$file")"
  done
done
test -f "$share/icons/hicolor/scalable/apps/strandel.svg" || fail "no scalable icon"
test -f "$share/icons/hicolor/scalable/mimetypes/application-x-strandel-model.svg" ||
  fail "no scalable document icon"

# The thumbnailer's command as a file manager runs it: %i the model, %o the
# picture to write, %s the size.
exec_line=$(sed -n 's/^Exec=//p' "$share/thumbnailers/strandel.thumbnailer")
thumb="$prefix/thumb.png"
command=${exec_line//%i/\"$beam\"}
command=${command//%o/\"$thumb\"}
command=${command//%s/128}
PATH="$prefix/bin:$PATH" eval "$command" || fail "thumbnailer: $command"
[ "$(png_size "$thumb")" = "128x128" ] || fail "thumbnail is $(png_size "$thumb")"
echo "installed layout works"
