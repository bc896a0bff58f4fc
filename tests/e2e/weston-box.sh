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
deadline=$((SECONDS + 20))
until box=$(windows_of_weston | awk -F'\t' -v w="$win" '$4 == "タルヴォ!!" && $1 != w { print $1 }'); [[ -n "$box" ]]; do
  ((SECONDS < deadline)) || fail "no message box after the opponent was chosen"
  sleep 0.1
done

# Weston places a new window anywhere on the output: the box is dragged over the middle of the
# game's page, where the game would cover it once raised, away from the spot clicked below.
drag_window "$box" $((px + 200)) $((py + 120))
window_geometry "$box"
box_area="${WIDTH}x${HEIGHT}+${X}+${Y}"
pointer_to $((px + 60)) $((py + 420))
shot box-before-click
[[ "$(stacking)" == "$box $win" ]] || fail "the box is not above the game before the click: $(stacking)"

# A click on the game's window beside the box: weston raises the game and, as its dialog, the
# box above it. The pixels where the box lies still show the box.
click_at $((px + 60)) $((py + 420))
shot box-after-click
[[ "$(stacking)" == "$box $win" ]] || fail "the game was raised over its box: $(stacking) (box $box, game $win)"
for name in box-before-click box-after-click; do
  convert "$E2E_OUT/$name.png" -crop "$box_area" +repage "$E2E_OUT/$name-area.png"
done
changed=$(compare -metric AE -fuzz 10% "$E2E_OUT/box-before-click-area.png" "$E2E_OUT/box-after-click-area.png" \
  null: 2>&1 || true)
[[ "$changed" =~ ^[0-9]+$ ]] || fail "the box's area could not be compared: $changed"
(( changed * 20 < WIDTH * HEIGHT )) \
  || fail "$changed of the box's $((WIDTH * HEIGHT)) pixels show something else after the click (see $E2E_OUT/box-*-click.png)"

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
