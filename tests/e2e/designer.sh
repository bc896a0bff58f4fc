#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# Qt Designer with the widget set's plugin: the real designer, with the plugin found through
# QT_PLUGIN_PATH, opens a form holding two fade buttons and a shine button, and draws them with
# their own fills and glyph (a missing plugin would leave grey placeholders).
#   designer.sh <plugin folder holding designer/> <form.ui>
source "$(dirname "$0")/lib.sh"
plugins=$1
form=$2
designer=/usr/lib/qt6/bin/designer
[[ -x "$designer" ]] || fail "no Qt Designer at $designer (package designer-qt6)"

# The number of pixels of colour $2 ("r,g,b") in screenshot $1.
count() {
  convert "$E2E_OUT/$1.png" -fill black +opaque "rgb($2)" -fill white -opaque "rgb($2)" \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

start_display
# A settings folder of its own, so no earlier session's window layout plays a part.
home="$E2E_OUT/home"
rm -rf "$home"; mkdir -p "$home"
cp "$form" "$E2E_OUT/form.ui"
HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_PLUGIN_PATH="$plugins" \
  "$designer" "$E2E_OUT/form.ui" >"$E2E_OUT/designer.log" 2>&1 &
APP_PID=$!

# Each button is 200 by 40 with a one-pixel outline and a short caption: most of its 8000
# pixels show the fill.
deadline=$((SECONDS + 60))
while :; do
  shot designer
  maroon=$(count designer 128,0,0)
  navy=$(count designer 0,0,128)
  # The shine button's glyph, a blue gem of about 120 pixels, read from the form's Glyph.
  gem=$(count designer 48,112,224)
  ((maroon > 5000 && navy > 5000 && gem > 60)) && break
  kill -0 "$APP_PID" 2>/dev/null || fail "designer ended; see $E2E_OUT/designer.log"
  ((SECONDS < deadline)) || fail "the buttons were not drawn within 60 s (maroon $maroon, navy $navy, gem $gem pixels)"
  sleep 0.5
done
echo "drawn: $maroon maroon and $navy navy pixels, $gem pixels of the gem"
