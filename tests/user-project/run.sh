#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# Installs the build into a fresh prefix, builds examples/user-project against it with nothing
# but find_package(TarvoWidgets), and runs it on the forms it was compiled from (every form the
# same both ways) and on a changed copy of one form (the change must be seen); its second
# program uses the widgets from code (signals, buttons made before their parent and deleted from
# their own slot).
#   run.sh <build tree> <source tree> <work folder>
set -euo pipefail
build=$1
source=$2
work=$3
rm -rf "$work"
mkdir -p "$work/output"
prefix=$work/prefix

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log"
# Everything lands under the prefix, the Designer plugin included.
outside=$(grep -v "^$prefix/" "$build/install_manifest.txt" || true)
[[ -z "$outside" ]] || fail "installed outside the prefix: $outside"
for file in lib/libTarvoWidgets.so.2 lib/libTarvoWidgetsLayouts.so.2 include/TarvoWidgets/widgets/ZRKFadeButton.h \
            lib/cmake/TarvoWidgets/TarvoWidgetsConfig.cmake lib/cmake/TarvoWidgets/TarvoWidgetsConfigVersion.cmake \
            lib/qt6/plugins/designer/libtarvo_designer.so; do
  [[ -e "$prefix/$file" ]] || fail "not installed: $file"
done

cmake -S "$source/examples/user-project" -B "$work/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >"$work/configure.log" \
  || fail "the program does not configure against the installed package; see $work/configure.log"
cmake --build "$work/build" >"$work/build.log" || fail "the program does not build; see $work/build.log"
program=$work/build/user-project
# The program runs with the installed library, not the build tree's.
libraries=$(ldd "$program")
[[ "$libraries" == *"$prefix/lib/libTarvoWidgets.so.2"* ]] || fail "the program does not use the installed library"

export QT_QPA_PLATFORM=offscreen
"$program" "$source/examples/user-project" "$source/examples/widget-gallery/pages" "$work/output" \
  || fail "a form compiled by uic differs from the stored-layout reading of the same file (above)"
"$work/build/user-usage" || fail "the widgets used from the program's code did not do as expected (above)"
# A program that only makes the widgets loads none of Qt Designer's libraries: the stored-layout
# reader that needs them is a library of its own.
designer_libraries=$(ldd "$work/build/user-usage" | grep -E 'libQt6(Designer|UiTools|Xml)|libTarvoWidgetsLayouts' || true)
[[ -z "$designer_libraries" ]] || fail "a program that only makes the widgets loads: $designer_libraries"

# The comparison sees a change: one property of the file changed after compiling.
mkdir -p "$work/changed"
sed 's|<number>4</number>|<number>5</number>|' "$source/examples/user-project/AllWidgets.ui" >"$work/changed/AllWidgets.ui"
if "$program" "$work/changed" "$source/examples/widget-gallery/pages" "$work/output" 2>"$work/changed.log"; then
  fail "a changed form was reported the same"
fi
grep -q "MoreButton.Step compiled: number:4 read: number:5" "$work/changed.log" \
  || fail "the changed property was not named; see $work/changed.log"
echo "user_project: passed"
