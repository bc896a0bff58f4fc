#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# Takes docs/shine-{rest,hovered,pressed,disabled}.png: the gallery's "Toolbar" page
# (pages/ShineToolbarPage.ui) on a private Xvfb display, at rest, with the pointer on "Brush", with the left button held on
# "Fill", and with the page disabled. Run from the repository root after a build:
#   xvfb-run -a -s "-screen 0 1024x600x24" examples/widget-gallery/shine-screenshots.sh [build]
set -euo pipefail
build=${1:-build}

source "$(dirname "$0")/start-gallery.sh" "$build"

# The page's tab is the third; the crop is the page alone. Positions below are in the window.
xdotool mousemove --window "$window" 311 24 click 1
crop=782x212+12+36
shot() {
  sleep 0.5
  import -window "$window" -crop "$crop" +repage "docs/shine-$1.png"
  echo "screenshot: wrote docs/shine-$1.png"
}

xdotool mousemove --window "$window" 700 270
shot rest
xdotool mousemove --window "$window" 157 64
shot hovered
xdotool mousemove --window "$window" 243 64 mousedown 1
shot pressed
xdotool mouseup 1
xdotool mousemove --window "$window" 37 228 click 1
xdotool mousemove --window "$window" 700 270
shot disabled
