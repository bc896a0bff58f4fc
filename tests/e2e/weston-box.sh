#!/usr/bin/env bash
# The game on Wayland under weston's desktop shell: a message box stays above the game's window
# when the game is clicked beside it (weston raises what is clicked, and keeps a window's
# dialogs above it), Return then closes it and the match goes on, and 終了 ends the program
# with status 0; Qt prints no warning meanwhile.
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

# Return closes the box, and the match begins.
key Return
deadline=$((SECONDS + 10))
until (( $(count_windows 'タルヴォ!!') == 1 )); do
  ((SECONDS < deadline)) || fail "Return did not close the box"
  sleep 0.1
done
wait_board "$gx" "$gy" 20 'black == 4 && white == 1' opening

# 終了 from the menu with the keyboard ends the program with status 0.
key alt+m x
wait_exit 10
(( EXIT_STATUS == 0 )) || fail "終了 ended the program with status $EXIT_STATUS"
# Only the sound system's absence (no audio server here) may be reported.
if grep -v -E '^$|^PulseAudioService: |^No audio device detected$' "$E2E_OUT/game.log"; then
  fail "the program printed the warnings above"
fi
echo "the box stayed above the game under weston; screenshots in $E2E_OUT"
