# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the screenshot scripts: starts the built gallery ($1, the build folder), ends it when
# the script ends, and sets `window` to its window once that is on the screen.
"$1/bin/widget-gallery" &
gallery=$!
trap 'kill $gallery 2>/dev/null || true' EXIT

window=
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "Widget gallery" 2>/dev/null | head -1) && [[ -n $window ]] && break
  sleep 0.1
done
[[ -n $window ]] || { echo "screenshot: the gallery window did not appear" >&2; exit 1; }
