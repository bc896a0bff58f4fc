#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# The widget gallery's history box remembers across runs: the first run types an entry and
# closes the gallery (the box saves as it is taken down); the second run, with the same home
# folder, shows that entry at the top of the box's list. HOME and XDG_CONFIG_HOME point at a
# fresh folder, so the registry file is the test's own.
source "$(dirname "$0")/lib.sh"

home="$E2E_OUT/home"
rm -rf "$home"; mkdir -p "$home"
export HOME="$home" XDG_CONFIG_HOME="$home/config"
registry="$XDG_CONFIG_HOME/TarvoWidgets/registry.conf"

start_gallery() {
  (cd "$TARVO_BIN_DIR" && exec ./widget-gallery) >>"$E2E_OUT/gallery.log" 2>&1 &
  APP_PID=$!
  GALLERY=$(wait_window 'Widget gallery')
  # The remembered box has the keyboard focus once the window has it.
  xdotool windowfocus --sync "$GALLERY"
}

window_shot() {
  import -window "$GALLERY" "$E2E_OUT/$1.png"
}

# How many pixels of two window shots differ.
pixels_apart() {
  local apart
  apart=$(compare -metric AE "$E2E_OUT/$1.png" "$E2E_OUT/$2.png" null: 2>&1 || true)
  [[ "$apart" =~ ^[0-9]+ ]] || fail "shots $1 and $2 could not be compared: $apart"
  echo "${BASH_REMATCH[0]}"
}

# Takes window shots into $1 until one is at rest (no more than the text cursor's pixels apart
# from the shot before it) and meets the shell test "$2" on `apart`, its distance from shot $3.
shot_when() {
  local name=$1 cond=$2 reference=$3 apart=0 deadline=$((SECONDS + 10))
  window_shot "$name"
  while :; do
    sleep 0.1
    cp "$E2E_OUT/$name.png" "$E2E_OUT/$name-before.png"
    window_shot "$name"
    apart=$(pixels_apart "$reference" "$name")
    # shellcheck disable=SC2004  # cond is an expression given by the caller
    (( $(pixels_apart "$name-before" "$name") <= 40 && ($cond) )) && return 0
    ((SECONDS < deadline)) || fail "shot $name never met '$cond' ($apart pixels apart from $reference)"
  done
}

start_display

start_gallery
shot_when empty 1 empty
xdotool type --delay 40 'hello'
xdotool key Return
# The word is drawn (the Enter that follows changes nothing on the screen).
shot_when typed 'apart > 80' empty
xdotool key ctrl+q
wait_exit 20
((EXIT_STATUS == 0)) || fail "the first run ended with status $EXIT_STATUS"
grep -q '^History0="hello"$' "$registry" || fail "the history was not saved: $(cat "$registry" 2>&1)"

start_gallery
# The text cursor may blink between two shots (a few dozen pixels); the word is far more.
shot_when fresh 'apart > 80' typed
xdotool key Down # the newest entry into the edit field
shot_when recalled 'apart <= 40' typed
xdotool key ctrl+q
wait_exit 20
((EXIT_STATUS == 0)) || fail "the second run ended with status $EXIT_STATUS"
echo "pixels apart from the first run: fresh $(pixels_apart typed fresh), after Down $(pixels_apart typed recalled)"
grep -c '^History' "$registry" | grep -qx 2 || fail "unexpected history after the second run: $(cat "$registry")"
echo "PASS"
