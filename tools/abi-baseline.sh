#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# Keeps the binary interface of the widget libraries of a build as the baseline of their SONAME
# (widgetset/abi/<soname>.abi), for tests/install/binary-interface.sh to compare against. Run
# it once when the SONAME is raised, from a RelWithDebInfo build (abidw reads the debug info):
#   tools/abi-baseline.sh [build tree]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
mkdir -p widgetset/abi
for library in "$prefix"/lib/libTarvoWidgets.so.* "$prefix"/lib/libTarvoWidgetsLayouts.so.*; do
  [[ -L "$library" ]] && continue
  soname=$(objdump -p "$library" | awk '/SONAME/ { print $2 }')
  # Only the types of the installed headers, and no path of this machine in the file.
  abidw --headers-dir "$prefix/include/TarvoWidgets" --drop-private-types --no-show-locs --no-corpus-path --no-comp-dir-path \
        --out-file "widgetset/abi/$soname.abi" "$library"
  echo "kept widgetset/abi/$soname.abi"
done
