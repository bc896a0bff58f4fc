#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# The widget set's own error box under weston's desktop shell: an error raised by a click
# handler of a program of the widget set shows in a box that stays above the program's window
# when the window is clicked beside it; Return closes it and the window goes on, a second error
# showing a box again. The program prints nothing meanwhile.
#   weston-error-box.sh <the error_box_probe program>
source "$(dirname "$0")/weston-lib.sh"
probe=$1

start_display
"$probe" >"$E2E_OUT/probe.log" 2>&1 &
APP_PID=$!
win=$(wait_window 'Error box probe')
window_geometry "$win"
wx=$X; wy=$Y

# Its button (at 20, 20 of the window, 160 by 40) raises the error.
raise_error() {
  click_at $((wx + 100)) $((wy + 40))
  wait_box "$win"
}
close_box() {
  key Return
  local deadline=$((SECONDS + 10))
  until (( $(count_windows 'Error box probe') == 1 )); do
    ((SECONDS < deadline)) || fail "Return did not close the error box"
    sleep 0.1
  done
}

box=$(raise_error)
box_stays_above "$box" "$win" $((wx + 200)) $((wy + 150)) $((wx + 60)) $((wy + 400))
close_box
raise_error >/dev/null
close_box
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended after the error"
[[ ! -s "$E2E_OUT/probe.log" ]] || fail "the program printed: $(cat "$E2E_OUT/probe.log")"
echo "the error box stayed above its window under weston; screenshots in $E2E_OUT"
