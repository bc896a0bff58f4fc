#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# Takes docs/widget-gallery.png: the gallery on a private Xvfb display with the mouse resting on
# the reward page's "もっと!" button once its fade has run. Run from the repository root after
# a build:  xvfb-run -a -s "-screen 0 1024x400x24" examples/widget-gallery/screenshot.sh [build]
set -euo pipefail
build=${1:-build}
out=docs/widget-gallery.png

source "$(dirname "$0")/start-gallery.sh" "$build"

# The reward page's button is the first sample, at the top left of the fade button page, below
# the tab.
xdotool mousemove --window "$window" 80 76
# Its fade takes 64 steps of 20 ms; give it time to finish.
sleep 2
import -window "$window" "$out"
echo "screenshot: wrote $out"
