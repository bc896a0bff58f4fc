#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# The game on Wayland under weston's desktop shell: a message box stays above the game's window
# when the game is clicked beside it (weston raises what is clicked, and keeps a window's
# dialogs above it) and when its own minimise button is clicked, Return then closes it and the
# match goes on, and 終了 ends the program with status 0; Qt prints no warning meanwhile.
source "$(dirname "$0")/weston-lib.sh"

start_display
start_game
win=$(wait_window 'タルヴォ!!')
game_geometry "$win"

# "ふぁいと!!" comes up when a match starts.
click_first_opponent
box=$(wait_box "$win")

# Weston places a new window anywhere on the output: the box is put over the middle of the
# game's page, and the game clicked beside it.
box_stays_above "$box" "$win" $((px + 200)) $((py + 120)) $((px + 60)) $((py + 420))

# Qt draws the box's frame here, with a minimise button whatever the box's flags say (Qt 6.4
# puts it 61 pixels left of the client area's right edge, 16 above its top). Minimised, the box
# would be out of sight for good and the game blocked behind it: the box comes back at once,
# above the game. Weston shows no minimised window again by itself: the box comes back as a
# new window, which weston places anew (the program may give it the id of the one it
# destroyed), and that also shows that the click did minimise it.
window_geometry "$box"
dragged=$(window_line "$box" | cut -f1,3)
click_at $((X + WIDTH - 61)) $((Y - 16))
deadline=$((SECONDS + 10))
until again=$(windows_of_weston | awk -F'\t' -v w="$win" -v d="$dragged" '$4 == "タルヴォ!!" && $1 != w && $1 "\t" $3 != d { print $1 }')
      [[ -n "$again" ]]; do
  ((SECONDS < deadline)) || fail "the box did not come back after its minimise button: $(windows_of_weston)"
  sleep 0.1
done
[[ "$(stacking)" == "$again $win" ]] || fail "the box came back below the game: $(stacking) (box $again, game $win)"

# Return closes the box, and the match begins.
key Return
deadline=$((SECONDS + 10))
until (( $(count_windows 'タルヴォ!!') == 1 )); do
  ((SECONDS < deadline)) || fail "Return did not close the box"
  sleep 0.1
done
wait_board "$gx" "$gy" 20 'black == 4 && white == 1' opening

# 終了 from the menu ends the program with status 0, and nothing was printed.
quit_through_menu
echo "the box stayed above the game under weston; screenshots in $E2E_OUT"
