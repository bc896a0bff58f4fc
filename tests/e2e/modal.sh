# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Helpers of the end-to-end tests for what covers the main window: the message boxes and the
# boss screen. Message boxes carry the application's title, as the main window and its menu
# popups do; a box is told from those by its size.
boxes() {
  local w
  for w in $(xdotool search --onlyvisible --name '^タルヴォ!!$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    (( WIDTH < 600 && HEIGHT >= 60 )) && echo "$w"
  done | wc -l
}
boss_shown() { xdotool search --onlyvisible --name '^BossForm1$' >/dev/null 2>&1; }
# Closes the boss screen with a double-click on its text; waits until it has gone.
close_boss() {
  xdotool mousemove 60 12 click --repeat 2 --delay 80 1
  local deadline=$((SECONDS + 10))
  while boss_shown; do
    ((SECONDS < deadline)) || fail "the boss screen did not close"
    sleep 0.05
  done
}
