#!/usr/bin/env bash
# The program installed where its user cannot write (a system folder), started
# for the first time by an ordinary user: no message, the settings file made in
# the user's configuration folder, documents saved in the user's documents
# folder (the one user-dirs.dirs names, else ~/Documents, else home), and a save
# into a folder that refuses it names that folder and offers Save As.
# Run as root, the program runs as an ordinary user, since root may write anywhere.
set -euo pipefail
build="$1"
probe="$2"
prefix=$(mktemp -d)
homes=$(mktemp -d)
cleanup() {
  chmod -R u+w "$prefix" 2>/dev/null || true
  rm -rf "$prefix" "$homes"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
cmake --install "$build" --prefix "$prefix" >/dev/null
shipped_models=$(ls -A "$prefix/share/strandel/Models")
cp "$probe" "$prefix/bin/strandel-first-start-probe"
chmod 755 "$prefix" "$homes"

if [ "$(id -u)" -eq 0 ]; then
  user=$(id -u strandeluser 2>/dev/null || echo 65534)
  group=$(id -g strandeluser 2>/dev/null || echo 65534)
  as_user() { setpriv --reuid="$user" --regid="$group" --clear-groups "$@"; }
  own() { chown -R "$user:$group" "$1"; }
  # Root owns the installation; the user may read it and nothing more.
  chmod -R go-w "$prefix"
else
  as_user() { "$@"; }
  own() { :; }
  chmod -R a-w "$prefix/bin" "$prefix/share"
fi

# Runs the installed probe with a fresh home; prints its report.
start() {
  local home="$1"
  shift
  (cd "$home" && as_user env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen \
    XDG_DATA_DIRS="$prefix/nothing" "$prefix/bin/strandel-first-start-probe" "$@" 2>/dev/null)
}
value() { sed -n "s/^$1=//p" <<<"$2" | head -n 1; }

check_first_start() {
  local what="$1" home="$2" expected="$3" report
  own "$home"
  report=$(start "$home" "{offered}frame")
  [ "$(value messages_at_start "$report")" = 0 ] || fail "$what: a message at the first start: $report"
  [ "$(value settings "$report")" = "$home/.config/strandel/Strandel.ini" ] ||
    fail "$what: settings at $(value settings "$report")"
  [ "$(value settings_written_at_start "$report")" = 1 ] || fail "$what: no settings file made at start"
  [ "$(value model_folder "$report")" = "$expected" ] ||
    fail "$what: documents go to $(value model_folder "$report"), not $expected"
  [ "$(value offered "$report")" = "$expected" ] || fail "$what: the save dialog offered $(value offered "$report")"
  [ "$(value saved "$report")" = 1 ] || fail "$what: the first save failed: $report"
  [ -f "${expected}frame.qsd" ] || fail "$what: no ${expected}frame.qsd"
  grep -q "^Last-Path=$expected" "$home/.config/strandel/Strandel.ini" || fail "$what: Last-Path"
}

# No documents folder at all: home.
mkdir -p "$homes/plain"
check_first_start "a bare home" "$homes/plain" "$homes/plain/"
# ~/Documents.
mkdir -p "$homes/usual/Documents"
check_first_start "~/Documents" "$homes/usual" "$homes/usual/Documents/"
# The folder user-dirs.dirs names, in the user's language.
mkdir -p "$homes/swedish/Dokument" "$homes/swedish/Documents" "$homes/swedish/.config"
printf '# written by xdg-user-dirs-update\nXDG_DOCUMENTS_DIR="$HOME/Dokument"\n' \
  >"$homes/swedish/.config/user-dirs.dirs"
check_first_start "user-dirs.dirs" "$homes/swedish" "$homes/swedish/Dokument/"

# Nothing went into the installation.
[ ! -e "$prefix/bin/Strandel.ini" ] || fail "a settings file in the program folder"
[ "$(ls -A "$prefix/share/strandel/Models")" = "$shipped_models" ] ||
  fail "a file added to the installed Models folder"

# A save into the installed Models folder is refused: the message names the
# folder and offers Save As, and the second choice saves.
models="$prefix/share/strandel/Models/"
report=$(start "$homes/usual" "${models}frame" "{offered}second")
asked=$(grep '^asked=' <<<"$report" | head -n 1)
grep -qF "$models" <<<"$asked" || fail "the failed save does not name $models: $report"
grep -q 'Permission denied' <<<"$asked" || fail "the failed save does not say why: $asked"
[ "$(value saved "$report")" = 1 ] || fail "Save As after the refusal did not save: $report"
[ -f "$homes/usual/Documents/second.qsd" ] || fail "no Documents/second.qsd"
[ ! -e "${models}frame.qsd" ] || fail "a document in the installed Models folder"

# A settings file of an earlier start that points into the installation: new
# documents still go where they can be written.
sed -i "s|^Last-Path=.*|Last-Path=$models|" "$homes/usual/.config/strandel/Strandel.ini"
report=$(start "$homes/usual")
[ "$(value messages_at_start "$report")" = 0 ] || fail "a message at the second start: $report"
[ "$(value model_folder "$report")" = "$homes/usual/Documents/" ] ||
  fail "a stored read-only folder is used: $(value model_folder "$report")"
echo "a read-only installation starts silently and saves in the user's documents"
