#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# SIGTERM (a logout, a service stop) ends the programs as closing them does: the gallery's history
# box saves what was typed in the session, and both the gallery and the game end with status 0.
# HOME and XDG_CONFIG_HOME point at a fresh folder, so the registry file is the test's own.
source "$(dirname "$0")/lib.sh"

home="$E2E_OUT/home"
rm -rf "$home"; mkdir -p "$home"
export HOME="$home" XDG_CONFIG_HOME="$home/config"
registry="$XDG_CONFIG_HOME/TarvoWidgets/registry.conf"

start_display

(cd "$TARVO_BIN_DIR" && exec ./widget-gallery) >"$E2E_OUT/gallery.log" 2>&1 &
APP_PID=$!
GALLERY=$(wait_window 'Widget gallery')
xdotool windowfocus --sync "$GALLERY"
xdotool type --delay 40 'terminated'
xdotool key Return
# Enter adds the entry but shows nothing new; one more letter does. The program handles its
# input in order, so once the letter is drawn the Enter has been handled. (The text cursor may
# blink between two shots, a few dozen pixels; a letter is more.)
import -window "$GALLERY" "$E2E_OUT/entered.png"
xdotool type 'W'
deadline=$((SECONDS + 10))
until import -window "$GALLERY" "$E2E_OUT/letter.png" \
  && apart=$(compare -metric AE "$E2E_OUT/entered.png" "$E2E_OUT/letter.png" null: 2>&1 || true) \
  && [[ "$apart" =~ ^[0-9]+ ]] && ((BASH_REMATCH[0] > 80)); do
  ((SECONDS < deadline)) || fail "the letter typed after Enter never showed ($apart pixels apart)"
  sleep 0.1
done
# The entry is saved only at the end (the start's load merely creates the key).
! grep -q 'terminated' "$registry" 2>/dev/null || fail "the entry was saved before the end: $(cat "$registry")"
kill -TERM "$APP_PID"
wait_exit 20
((EXIT_STATUS == 0)) || fail "the gallery ended with status $EXIT_STATUS on SIGTERM"
grep -q '^History0="terminated"$' "$registry" || fail "the session's entry was not saved: $(cat "$registry" 2>&1)"

start_game
wait_window 'タルヴォ!!' >/dev/null
kill -TERM "$APP_PID"
wait_exit 20
((EXIT_STATUS == 0)) || fail "the game ended with status $EXIT_STATUS on SIGTERM"
echo "PASS"
