#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# A program installed into a prefix that its user may not write, run as that user (nobody),
# keeps the history it saves under a bare file name: the first run reads the file installed in
# the program's folder, a save goes to the user's copy in $HOME/.config/<program>/ (made from the
# installed file, so its other sections stay), and the next run reads that copy back.
#   history-read-only.sh <probe program> <library file> <library soname>
set -euo pipefail
probe=$1
library=$2
soname=$3

fail() { echo "FAIL: $*" >&2; exit 1; }
if [[ $(id -u) -ne 0 ]]; then
  echo "SKIP: running the program as another user needs root"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
home=$work/home
mkdir -p "$prefix/bin" "$prefix/lib" "$home"
chown 65534:65534 "$home"

# The install: the program, the library under its soname, and a history shipped beside the
# program (two boxes' sections).
cp "$probe" "$prefix/bin/history-probe"
cp "$library" "$prefix/lib/$soname"
printf '[Box]\nHistoryCount=1\nHistory0=installed\n[Other]\nHistoryCount=1\nHistory0=kept\n' >"$prefix/bin/history.ini"
cp "$prefix/bin/history.ini" "$work/installed.ini"
chmod -R a-w "$prefix"
loaded=$(ldd "$prefix/bin/history-probe" | awk -v so="$soname" '$1 == so { print $3 }')
[[ -n $loaded && $(readlink -f "$loaded") == "$(readlink -f "$prefix/lib/$soname")" ]] \
  || fail "the installed program does not use the installed library ($loaded)"

as_user() {
  setpriv --reuid=65534 --regid=65534 --clear-groups \
    env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$prefix/bin/history-probe" "$@"
}
setpriv --reuid=65534 --regid=65534 --clear-groups test -w "$prefix/bin" \
  && fail "the program's folder is writable by the user"

out=$(as_user load 2>"$work/err") || fail "the first load failed: $(cat "$work/err")"
[[ $out == "installed" ]] || fail "the first load read '$out', not the installed history"

out=$(as_user add typed 2>"$work/err") || fail "the save failed: $(cat "$work/err")"
[[ $out == "typed,installed" ]] || fail "the save ended with '$out'"
copy=$home/.config/history-probe/history.ini
[[ -f $copy ]] || fail "no copy in the user's folder ($copy)"
grep -qx 'History0=typed' "$copy" || fail "the user's copy lacks the saved entry: $(cat "$copy")"
grep -qx 'History0=kept' "$copy" || fail "the user's copy lost the other box's section: $(cat "$copy")"
cmp -s "$prefix/bin/history.ini" "$work/installed.ini" || fail "the installed file changed"

out=$(as_user load 2>"$work/err") || fail "the second load failed: $(cat "$work/err")"
[[ $out == "typed,installed" ]] || fail "the second load read '$out', not the user's copy"
echo "history_read_only_prefix: passed"
