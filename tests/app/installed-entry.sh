#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# Installs the build under a prefix of its own (with a space and a % in its path, as a home
# folder may have) and starts the game the way a desktop does: from the installed desktop
# entry's Exec line (gio launch parses it by the desktop entry rules), in another folder, with
# nothing of the prefix on the PATH. The game's main window must show its title page.
#   installed-entry.sh <build tree> <work folder>
source "$(dirname "$0")/../e2e/lib.sh"
build=$1
work=$2
rm -rf "$work"
prefix="$work/my games 100%"
mkdir -p "$prefix"

cmake --install "$build" --prefix "$prefix" >"$E2E_OUT/install.log"
entry="$prefix/share/applications/tarvo.desktop"
program="$prefix/lib/tarvo/tarvo"
[[ -f "$entry" ]] || fail "no desktop entry installed at $entry"
desktop-file-validate "$entry" || fail "the installed desktop entry does not validate"
grep '^Exec=' "$entry"

start_display
cd /
gio launch "$entry" >"$E2E_OUT/launch.log" 2>&1 || fail "gio could not start the entry's Exec: $(cat "$E2E_OUT/launch.log")"
# gio leaves the program running on its own: find it by its executable, the installed one.
deadline=$((SECONDS + 20))
while [[ -z "$APP_PID" ]]; do
  for exe in /proc/[0-9]*/exe; do
    if [[ "$(readlink "$exe" 2>/dev/null)" == "$program" ]]; then
      APP_PID=${exe#/proc/}; APP_PID=${APP_PID%/exe}
    fi
  done
  [[ -n "$APP_PID" ]] && break
  ((SECONDS < deadline)) || fail "no process of $program runs after launching $entry"
  sleep 0.2
done

main=$(wait_window 'タルヴォ!!')
eval "$(xdotool getwindowgeometry --shell "$main")"
(( WIDTH == PAGE_WIDTH && HEIGHT >= PAGE_HEIGHT )) || fail "the window is ${WIDTH}x${HEIGHT}, not the main window"
# The title page's own purple shows in the bottom-left corner: the data folder was found.
wait_pixel $((X + 1)) $((Y + HEIGHT - 2)) '128,0,128' 20 installed
echo "installed_entry: the entry's Exec started $program"
