#!/usr/bin/env bash
# Takes docs/shine-{rest,hovered,pressed,disabled}.png: the gallery's shine button page on a
# private Xvfb display, at rest, with the pointer on "Brush", with the left button held on
# "Fill", and with the page disabled. Run from the repository root after a build:
#   xvfb-run -a -s "-screen 0 1024x600x24" examples/widget-gallery/shine-screenshots.sh [build]
set -euo pipefail
build=${1:-build}

"$build/bin/widget-gallery" &
gallery=$!
trap 'kill $gallery 2>/dev/null || true' EXIT

window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "Widget gallery" 2>/dev/null | head -1) && [[ -n $window ]] && break
  sleep 0.1
done
[[ -n $window ]] || { echo "screenshot: the gallery window did not appear" >&2; exit 1; }

# The shine section lies under the fade button section; the crop is that section alone.
crop=760x232+10+166
shot() {
  sleep 0.5
  import -window "$window" -crop "$crop" +repage "docs/shine-$1.png"
  echo "screenshot: wrote docs/shine-$1.png"
}

xdotool mousemove --window "$window" 700 400
shot rest
xdotool mousemove --window "$window" 155 212
shot hovered
xdotool mousemove --window "$window" 240 212 mousedown 1
shot pressed
xdotool mouseup 1
xdotool mousemove --window "$window" 30 377 click 1
xdotool mousemove --window "$window" 700 400
shot disabled
