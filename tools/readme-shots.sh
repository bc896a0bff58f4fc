#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# Makes the README's screenshots of the game from the end-to-end tests' screenshots: runs the
# match and whole-loop tests, then cuts the main window out of the steps worth showing.
# Usage: tools/readme-shots.sh [build dir]
set -euo pipefail
build=${1:-build}
ctest --test-dir "$build" -R 'e2e_match|e2e_loop' --output-on-failure
cut_window() {   # test, screenshot, output
  local dir="$build/e2e/$1"
  read -r x y w h <"$dir/window"
  convert "$dir/$2.png" -crop "${w}x${h}+${x}+${y}" +repage "docs/$3.png"
  echo "wrote docs/$3.png"
}
cut_window e2e_loop title title-page
cut_window e2e_match answer game-page
cut_window e2e_loop stage1 picture-page
cut_window e2e_loop result result
convert "$build/e2e/e2e_match/boss.png" -resize 50% docs/boss-screen.png
echo "wrote docs/boss-screen.png"
