#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# A short session of the real program under valgrind memcheck in a private Xvfb display: start,
# choose an opponent, play moves, open and close the boss screen, exit with the menu. It fails
# on any error memcheck reports that tools/valgrind.supp does not explain (invalid reads and
# writes, uninitialised values, definitely lost blocks) and prints memcheck's summary.
# Usage: tools/valgrind-session.sh [build-folder]   (`make soak` runs it)
here=$(cd "$(dirname "$0")" && pwd)
export TARVO_BIN_DIR=${TARVO_BIN_DIR:-$(cd "${1:-build}/bin" && pwd)}
export E2E_OUT=${E2E_OUT:-$(dirname "$TARVO_BIN_DIR")/valgrind}
source "$here/../tests/e2e/lib.sh"
rm -f "$E2E_OUT"/memcheck.*.log

start_display
(cd "$TARVO_BIN_DIR" && exec valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
   --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=30 \
   --suppressions="$here/valgrind.supp" --gen-suppressions=all --log-file="$E2E_OUT/memcheck.%p.log" ./tarvo) \
  >"$E2E_OUT/game.log" 2>&1 &
APP_PID=$!

# Everything is slow under memcheck: the waits are long, the checks the same as end-to-end.
# The window may still move after it is mapped, so its place is read once it has settled.
win=$(wait_window 'タルヴォ!!' 180)
place=""
until [[ "$place" == "$(xdotool getwindowgeometry --shell "$win" | tr '\n' ' ')" ]]; do
  place=$(xdotool getwindowgeometry --shell "$win" | tr '\n' ' ')
  sleep 2
done
game_geometry "$win"

click_first_opponent
deadline=$((SECONDS + 120))
until (( $(xdotool search --onlyvisible --name '^タルヴォ!!$' | wc -l) >= 2 )); do
  ((SECONDS < deadline)) || fail "no announcement after choosing an opponent"
  sleep 0.5
done
sleep 1
xdotool key Return
wait_board $gx $gy 120 'black == 4 && white == 1' opening

# Two moves of the player, each answered by the computer (the game is deterministic).
click_cell 2 3
wait_board $gx $gy 120 'black == 6 && white == 1' answer
click_cell 2 5
wait_board $gx $gy 120 'black + white == 9' second-answer

# The boss screen: F4 opens it, a double-click closes it.
xdotool windowfocus --sync "$win" key F4
deadline=$((SECONDS + 120))
until [[ "$(shot boss; convert "$E2E_OUT/boss.png" -crop 320x24+0+0 -format '%[fx:maxima.r>0.9]' info:)" == "1" ]]; do
  ((SECONDS < deadline)) || fail "F4 did not show the boss screen"
  sleep 0.5
done
xdotool mousemove 60 12 click --repeat 2 --delay 80 1
wait_board $gx $gy 120 'black + white == 9' after-boss

# 終了 from the menu.
xdotool windowfocus --sync "$win" key alt+m
sleep 2
xdotool key x
wait_exit 300
# One log per process: the program's own (the first process id) and any that a library forks.
# (Sorted by the file name alone: a dot in the folder's path must not shift the number's field.)
log="$E2E_OUT/$(find "$E2E_OUT" -maxdepth 1 -name 'memcheck.*.log' -printf '%f\n' | sort -t. -k2 -n | head -n1)"
grep -E "ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable|suppressed" "$log" | sed 's/^==[0-9]*== //'
(( EXIT_STATUS == 0 )) || fail "memcheck reported errors or the program failed (status $EXIT_STATUS); see $log"
echo "memcheck: clean session (log in $log)"
