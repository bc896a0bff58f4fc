#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# Start-up from a moved and renamed copy of the program, started from another folder: it finds
# its data folder beside itself. With a picture missing, it shows the error box naming the
# file's full path, shows no main window, and ends with a failure status once the box closes.
source "$(dirname "$0")/lib.sh"

copy="$E2E_OUT/moved copy"
rm -rf "$copy"; mkdir -p "$copy"
cp "$TARVO_BIN_DIR/tarvo" "$copy/renamed-game"
cp -r "$TARVO_BIN_DIR/data" "$copy/data"

start_display
cd /
"$copy/renamed-game" >"$E2E_OUT/moved.log" 2>&1 &
APP_PID=$!
# The error box has the same title: it must be the main window, 640 wide, on its title page.
main=$(wait_window 'タルヴォ!!')
eval "$(xdotool getwindowgeometry --shell "$main")"
(( WIDTH == PAGE_WIDTH && HEIGHT >= PAGE_HEIGHT )) || fail "the window is ${WIDTH}x${HEIGHT}, not the main window"
# Below the title picture, the page's own purple shows in the bottom-left corner.
wait_pixel $((X + 1)) $((Y + HEIGHT - 2)) '128,0,128' 20 moved
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true

rm "$copy/data/0_17.bmp"
"$copy/renamed-game" >"$E2E_OUT/missing.log" 2>&1 &
APP_PID=$!
box=$(wait_window 'タルヴォ!!')
shot error-box
# The only window is the error box: no main window of 640 by 480 behind it.
eval "$(xdotool getwindowgeometry --shell "$box")"
(( WIDTH < 640 )) || fail "a window of ${WIDTH}x${HEIGHT} is shown; expected only the error box"
(( $(xdotool search --onlyvisible --name '^タルヴォ!!$' | wc -l) == 1 )) || fail "more than the error box is shown"
xdotool key Return
wait_exit 20
(( EXIT_STATUS != 0 )) || fail "a failed start-up reported success"
echo "start-up failure ended with status $EXIT_STATUS"
