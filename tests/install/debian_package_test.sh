#!/usr/bin/env bash
# Builds the Debian package from the existing build with CPack, installs it with
# apt-get as a user would, solves an installed standard structure from /usr and
# removes the package again. Needs root and an apt-based system; elsewhere it
# says why and is skipped (exit status 77).
set -euo pipefail
build="$1"
skip() {
  echo "SKIPPED: $*"
  exit 77
}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
command -v apt-get >/dev/null && command -v dpkg-deb >/dev/null || skip "no apt-get or dpkg-deb"
command -v cpack >/dev/null || skip "no cpack"
# A Strandel the machine's owner installed is not ours to replace or remove.
if dpkg-query -W -f='${Status}' strandel 2>/dev/null | grep -q "install ok installed"; then
  skip "a strandel package is installed already"
fi

work=$(mktemp -d)
installed=0
cleanup() {
  if [ "$installed" -eq 1 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -q strandel >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  fail "cpack"
}
packages=("$work"/strandel_*.deb)
deb="${packages[0]}"
[ -f "$deb" ] || fail "cpack made no strandel_*.deb"
version=$("$build/bin/strandel-cli" --help | head -n 1 | grep -o '[0-9][0-9.]*[0-9]' | head -n 1)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6gui6' || fail "no Qt dependency from the shared libraries"
for script in postinst postrm; do
  dpkg-deb -I "$deb" "$script" | grep -q update-mime-database || fail "$script refreshes no MIME database"
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/strandel ./usr/bin/strandel-cli ./usr/share/applications/strandel.desktop \
  ./usr/share/mime/packages/strandel.xml ./usr/share/thumbnailers/strandel.thumbnailer \
  "./usr/share/strandel/Structures/Beams/Simply supported beam.qsd"; do
  grep -qF "$file" <<<"$contents" || fail "the package lacks $file"
done
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) kB"

export DEBIAN_FRONTEND=noninteractive
installed=1
apt-get install -y -q --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || {
  cat "$work/apt.log" >&2
  fail "apt-get install"
}
/usr/bin/strandel-cli --help | grep -q "usage: strandel-cli" || fail "/usr/bin/strandel-cli --help"
cd "$work"
HOME="$work" /usr/bin/strandel-cli solve "/usr/share/strandel/Structures/Frames/Pitched portal frame.qsd" \
  --json | grep -q '"results_valid": true' || fail "solve of an installed standard structure"
# The maintainer script told the MIME database about the new file type.
grep -q 'application/x-strandel-model:\*\.qsd' /usr/share/mime/globs2 || fail "*.qsd not registered"
apt-get purge -y -q strandel >"$work/apt.log" 2>&1 || {
  cat "$work/apt.log" >&2
  fail "apt-get purge"
}
installed=0
if dpkg-query -W strandel >/dev/null 2>&1; then fail "dpkg still knows strandel after the purge"; fi
[ ! -e /usr/bin/strandel-cli ] || fail "/usr/bin/strandel-cli is still there after removal"
[ ! -e /usr/share/strandel ] || fail "/usr/share/strandel is still there after removal"
if grep -q 'application/x-strandel-model' /usr/share/mime/globs2; then
  fail "*.qsd still registered after removal"
fi
echo "the package installs, runs and goes away again"
