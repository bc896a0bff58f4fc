#!/usr/bin/env bash
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
  compare -metric AE "$E2E_OUT/$1.png" "$E2E_OUT/$2.png" null: 2>&1 || true
}

start_display

start_gallery
xdotool type --delay 40 'hello'
xdotool key Return
sleep 0.3 # let the window repaint before the picture; the comparison below tolerates the rest
window_shot typed
xdotool key ctrl+q
wait_exit 20
((EXIT_STATUS == 0)) || fail "the first run ended with status $EXIT_STATUS"
grep -q '^History0="hello"$' "$registry" || fail "the history was not saved: $(cat "$registry" 2>&1)"

start_gallery
window_shot fresh
xdotool key Down # the newest entry into the edit field
sleep 0.3
window_shot recalled
xdotool key ctrl+q
wait_exit 20
((EXIT_STATUS == 0)) || fail "the second run ended with status $EXIT_STATUS"

# The text cursor may blink between two shots (a few dozen pixels); the word is far more.
fresh=$(pixels_apart typed fresh)
recalled=$(pixels_apart typed recalled)
echo "pixels apart from the first run: fresh $fresh, after Down $recalled"
((fresh > 80)) || fail "the second run's empty box looks like the typed one ($fresh pixels apart)"
((recalled <= 40)) || fail "the recalled entry does not look like the typed one ($recalled pixels apart)"
grep -c '^History' "$registry" | grep -qx 2 || fail "unexpected history after the second run: $(cat "$registry")"
echo "PASS"
