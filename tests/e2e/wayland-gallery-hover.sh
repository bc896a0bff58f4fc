#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# The shine button's hover light on Wayland (a headless sway), where a program cannot ask where
# the pointer is: on the gallery's toolbar page the pointer comes to rest on "Brush", which
# lights up and stays lit well past its hover watch's 200 ms period; the light goes out when
# the pointer leaves. Positions are in the window, as examples/widget-gallery/shine-screenshots.sh
# has them.
source "$(dirname "$0")/wayland-lib.sh"

# The history box on the gallery's first page stores its entries: in a folder of the test's own.
export HOME="$E2E_OUT/home" XDG_CONFIG_HOME="$E2E_OUT/home/config"
mkdir -p "$HOME"
start_display
(cd "$TARVO_BIN_DIR" && exec ./widget-gallery) >"$E2E_OUT/gallery.log" 2>&1 &
APP_PID=$!
gallery=$(wait_window 'Widget gallery')
window_geometry "$gallery"
wx=$X; wy=$Y
button="40x40+$((wx + 157 - 20))+$((wy + 64 - 20))"
button_shot() {
  shot "$1"
  convert "$E2E_OUT/$1.png" -crop "$button" +repage "$E2E_OUT/$1-button.png"
}
pixels_apart() { compare -metric AE "$E2E_OUT/$1-button.png" "$E2E_OUT/$2-button.png" null: 2>&1 || true; }

button_shot first-page
click_at $((wx + 311)) $((wy + 24))   # the toolbar page's tab
pointer_to $((wx + 700)) $((wy + 270))
deadline=$((SECONDS + 10))
until button_shot rest; (( $(pixels_apart first-page rest) > 20 )); do
  ((SECONDS < deadline)) || fail "the toolbar page did not show (see $E2E_OUT/rest.png)"
  sleep 0.1
done
pointer_to $((wx + 157)) $((wy + 64))
# Lit once it differs from the button at rest, and the light is whole once two shots agree.
deadline=$((SECONDS + 10))
button_shot lit
until cp "$E2E_OUT/lit-button.png" "$E2E_OUT/lighting-button.png"; button_shot lit
      (( $(pixels_apart rest lit) > 20 && $(pixels_apart lighting lit) <= 20 )); do
  ((SECONDS < deadline)) || fail "the button did not light up under the pointer (see $E2E_OUT/lit.png)"
  sleep 0.1
done
# The pointer rests: the light stays for five and more periods of the hover watch.
rested=$((SECONDS + 2)) shots=0
while ((SECONDS < rested)); do
  shots=$((shots + 1))
  button_shot "resting-$shots"
  apart=$(pixels_apart lit "resting-$shots")
  ((apart <= 20)) || fail "the light went out while the pointer rested on the button: $apart pixels apart (see $E2E_OUT/resting-$shots.png)"
  sleep 0.2
done
pointer_to $((wx + 700)) $((wy + 270))
deadline=$((SECONDS + 10))
until button_shot left; (( $(pixels_apart rest left) <= 20 )); do
  ((SECONDS < deadline)) || fail "the light stayed on after the pointer left (see $E2E_OUT/left.png)"
  sleep 0.1
done
key ctrl+q
wait_exit 10
(( EXIT_STATUS == 0 )) || fail "the gallery ended with status $EXIT_STATUS"
echo "the hover light followed the pointer on Wayland; screenshots in $E2E_OUT"
