#!/usr/bin/env bash
# The whole game loop through the real window: title page → a match played to its result with
# the mouse (on the smallest board, which the Down key gives) → the three pictures walked with
# "もっと!" → the closing message → the title page again. Then the boss screen: F4 covers the
# screen, a double-click on its text closes it.
source "$(dirname "$0")/lib.sh"

start_display
start_game
win=$(wait_window 'タルヴォ!!')
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "$X $Y $WIDTH $HEIGHT" >"$E2E_OUT/window"   # for tools/readme-shots.sh
px=$X; py=$((Y + HEIGHT - 480))
gx=$((px + 152)); gy=$((py + 31))

windows() { xdotool search --onlyvisible --name '^タルヴォ!!$' 2>/dev/null | wc -l; }
# Waits for a message box over the main window and closes it with Enter.
answer_message() {
  local deadline=$((SECONDS + ${1:-20}))
  until (( $(windows) >= 2 )); do
    ((SECONDS < deadline)) || fail "no message box"
    sleep 0.2
  done
  xdotool key Return
  deadline=$((SECONDS + 10))
  until (( $(windows) == 1 )); do
    ((SECONDS < deadline)) || fail "the message box did not close"
    sleep 0.1
  done
}
# The region of the screen as one checksum, to tell pictures apart.
region_sum() {
  convert "$E2E_OUT/$1.png" -crop "$2" +repage -format '%#' info:
}

shot title
title_pixel=$(pixel title $((px + 429)) $((py + 325)))
click_at $((px + 429)) $((py + 325))
answer_message
wait_board $gx $gy 20 'black == 4 && white == 1' opening

# Focus the grid with a click on an occupied cell (refused with a beep), then shrink the board
# to 4 by 4 with the Down key; each size restarts the match with the computer's opening.
click_at $((gx + 42 * 3 + 20)) $((gy + 52 * 3 + 25))
for _ in 1 2 3 4; do
  xdotool key Down
  sleep 1.5
done

# Play: on each turn try the empty cells of the live square in order until one is taken.
picture_page() { [[ "$(pixel "$1" $((px + 8 + 5)) $((py + 8 + 5)))" == "0,0,0" ]]; }
deadline=$((SECONDS + 150))
while true; do
  ((SECONDS < deadline)) || fail "the match did not end"
  if (( $(windows) >= 2 )); then
    shot result
    xdotool key Return
    sleep 1
    shot after-result
    picture_page after-result && break
    continue   # a draw: the match restarts
  fi
  shot turn
  mapfile -t rows < <(board_state turn $gx $gy)
  for r in 0 1 2 3; do
    for c in 0 1 2 3; do
      [[ "${rows[$r]:$c:1}" == "." ]] || continue
      click_at $((gx + 42 * c + 20)) $((gy + 52 * r + 25))
      sleep 0.15
      shot try
      [[ "$(board_state try $gx $gy)" != "$(printf '%s\n' "${rows[@]}")" ]] && break 2
      (( $(windows) >= 2 )) && break 2
    done
  done
  sleep 1.2   # the computer's pause and its animation
done

# The picture page: the first picture has faded in above the "もっと!" button.
image_area="600x400+$((px + 20))+$((py + 20))"
wait_pixel $((px + 8 + 212 + 100)) $((py + 8 + 428 + 2)) '[0-9]+,[0-9]+,[0-9]+' 5 stage1
sleep 1
shot stage1
sums=("$(region_sum stage1 "$image_area")")
button_x=$((px + 8 + 212 + 100)); button_y=$((py + 8 + 428 + 10))
for stage in 2 3; do
  click_at $button_x $button_y
  sleep 3
  shot "stage$stage"
  sums+=("$(region_sum "stage$stage" "$image_area")")
done
[[ "${sums[0]}" != "${sums[1]}" && "${sums[1]}" != "${sums[2]}" ]] || fail "the three pictures are not three different pictures"
# The click on the third picture fades it out and shows the closing message; then the title.
click_at $button_x $button_y
answer_message 30
sleep 0.5
shot title-again
[[ "$(pixel title-again $((px + 429)) $((py + 325)))" == "$title_pixel" ]] || fail "not back on the title page"

# The boss screen: F4 covers the screen with white text on black; a double-click closes it.
xdotool windowfocus --sync "$win" mousemove $((px + 300)) $((py + 100)) key F4
sleep 1.5
shot boss
[[ "$(convert "$E2E_OUT/boss.png" -crop 320x24+0+0 -format '%[fx:maxima.r>0.9]' info:)" == "1" ]] || fail "no white text at the top-left of the boss screen"
[[ "$(pixel boss $((px + 429)) $((py + 325)))" == "0,0,0" ]] || fail "the boss screen does not cover the main window"
xdotool mousemove 60 12 click --repeat 2 --delay 80 1
sleep 1
shot boss-closed
[[ "$(pixel boss-closed $((px + 429)) $((py + 325)))" == "$title_pixel" ]] || fail "the title page is not back after the boss screen"
echo "the whole loop ran; screenshots in $E2E_OUT"
