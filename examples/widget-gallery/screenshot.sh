#!/usr/bin/env bash
# Takes docs/widget-gallery.png: the gallery on a private Xvfb display with the mouse resting on
# the reward page's "もっと!" button once its fade has run. Run from the repository root after
# a build:  xvfb-run -a -s "-screen 0 1024x400x24" examples/widget-gallery/screenshot.sh [build]
set -euo pipefail
build=${1:-build}
out=docs/widget-gallery.png

"$build/bin/widget-gallery" &
gallery=$!
trap 'kill $gallery 2>/dev/null || true' EXIT

window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "Widget gallery" 2>/dev/null | head -1) && [[ -n $window ]] && break
  sleep 0.1
done
[[ -n $window ]] || { echo "screenshot: the gallery window did not appear" >&2; exit 1; }

# The reward page's button is the first sample, at the top left of the fade button page, below
# the tab.
xdotool mousemove --window "$window" 80 76
# Its fade takes 64 steps of 20 ms; give it time to finish.
sleep 2
import -window "$window" "$out"
echo "screenshot: wrote $out"
