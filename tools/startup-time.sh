#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# Start-up time of the game against a bare Qt 6 window with the same menu bar, side by side in
# one run on one private Xvfb display: each round starts both programs in turn and notes when
# the first frame of each reaches the X server (a preloaded probe, bench/FirstFrameProbe.cpp,
# wraps the calls that Qt's X backing store shows a frame with), in milliseconds from the
# moment just before the program was started, the CPU time each used until then (the
# steadier figure on a busy machine), and that of its GUI thread alone. Prints the medians and
# their ratios.
# Usage: tools/startup-time.sh [build dir] [rounds]   (needs `cmake --build build --target
# tarvo bare_window tarvo_first_frame_probe`)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
rounds=${2:-15}
export TARVO_BIN_DIR=$build/bin
E2E_OUT=$(mktemp -d)
export E2E_OUT
source "$(dirname "$0")/../tests/e2e/lib.sh"
probe=$build/bench/libtarvo_first_frame_probe.so
[[ -f "$probe" && -x "$build/bench/bare_window" && -x "$TARVO_BIN_DIR/tarvo" ]] ||
  fail "build tarvo, bare_window and tarvo_first_frame_probe first"

# Starts "$@" from its own folder with the probe, waits for its first frame, prints the time.
first_frame() {
  local out=$E2E_OUT/first-frame t0
  rm -f "$out"
  t0=$(date +%s%N)
  (cd "$(dirname "$1")" && FIRST_FRAME_T0=$t0 FIRST_FRAME_OUT=$out LD_PRELOAD=$probe exec "$@") \
    >>"$E2E_OUT/programs.log" 2>&1 &
  APP_PID=$!
  local deadline=$((SECONDS + 20))
  until [[ -s "$out" ]]; do
    ((SECONDS < deadline)) || fail "no frame from $1 within 20 s"
    sleep 0.01
  done
  kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true
  APP_PID=""
  cat "$out"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

start_display
# One start of each first, so that neither pays for a cold file cache in the figures.
first_frame "$TARVO_BIN_DIR/tarvo" >/dev/null
first_frame "$build/bench/bare_window" >/dev/null
: >"$E2E_OUT/game"; : >"$E2E_OUT/bare"
for ((round = 1; round <= rounds; round++)); do
  first_frame "$TARVO_BIN_DIR/tarvo" >>"$E2E_OUT/game"
  first_frame "$build/bench/bare_window" >>"$E2E_OUT/bare"
done
# Column 1: time to the first frame; column 2: CPU time used until then; column 3: the GUI
# thread's share of it.
report() {
  local what=$1 column=$2 game bare
  game=$(cut -d' ' -f"$column" "$E2E_OUT/game" | median)
  bare=$(cut -d' ' -f"$column" "$E2E_OUT/bare" | median)
  echo "$what, median of $rounds starts each:"
  echo "  the game:          $game ms   (all: $(cut -d' ' -f"$column" "$E2E_OUT/game" | tr '\n' ' '))"
  echo "  a bare Qt window:  $bare ms   (all: $(cut -d' ' -f"$column" "$E2E_OUT/bare" | tr '\n' ' '))"
  awk -v g="$game" -v b="$bare" 'BEGIN { printf "  ratio:             %.2f\n", g / b }'
}
report "time from start to the first frame on the screen" 1
report "CPU time used until the first frame" 2
report "CPU time of the GUI thread until the first frame" 3
