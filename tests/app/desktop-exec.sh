#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# shellcheck disable=SC2016  # the folder names and the test program's text are meant literally
# The desktop entry's Exec line starts the program from any path a prefix may have: for each
# folder name below, a program there is written into an entry by the install step's function
# and started with `gio launch`, which parses Exec by the desktop entry rules (quoting, the
# string escapes, field codes); the program reports the path it was started as. Each entry
# also passes the validator.
#   desktop-exec.sh <app source folder> <work folder>
set -euo pipefail
source_dir=$1
work=$2
rm -rf "$work"
mkdir -p "$work"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

write_entry() {
  cmake -DSOURCE_DIR="$source_dir" -DENTRY="$1" -DPROGRAM="$2" -P "$(dirname "$0")/write-desktop-entry.cmake"
}

# A control character other than the tab has no way into a desktop entry: writing one fails.
if write_entry "$work/control.desktop" "$work/bell"$'\a'"/prog" 2>"$work/control.log"; then
  fail "an entry was written for a program whose path holds a control character"
fi
grep -q 'cannot start a program' "$work/control.log" || fail "writing the entry failed otherwise: $(cat "$work/control.log")"

names=(
  'plain'
  'my games'
  '100%'
  '%f %u %%'
  'quote"d'
  "it's"
  'dollar$HOME'
  'back`tick`'
  'back\slash\"quote'
  'semi;colon&amp|pipe'
  '~tilde*star?(paren)#hash'
  'tab	tab'
)
failed=0
for i in "${!names[@]}"; do
  folder="$work/$i/${names[$i]}"
  mkdir -p "$folder"
  program="$folder/prog"
  printf '#!/bin/sh\nprintf %%s "$0" >"%s"\n' "$work/$i/started" >"$program"
  chmod +x "$program"
  write_entry "$work/$i/entry.desktop" "$program"
  desktop-file-validate "$work/$i/entry.desktop" || failed=1
  if ! launch=$(gio launch "$work/$i/entry.desktop" 2>&1); then
    echo "'${names[$i]}': gio refused $(grep '^Exec=' "$work/$i/entry.desktop"): $launch" >&2
    failed=1
    continue
  fi
  deadline=$((SECONDS + 10))
  until [[ -s "$work/$i/started" ]]; do
    ((SECONDS < deadline)) || fail "'${names[$i]}': the program never ran"
    sleep 0.05
  done
  started=$(cat "$work/$i/started")
  if [[ "$started" != "$program" ]]; then
    echo "'${names[$i]}': $(grep '^Exec=' "$work/$i/entry.desktop") started '$started'" >&2
    failed=1
  fi
done
(( failed == 0 )) || fail "the entries above do not start their program"
echo "every entry started its program"
