#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# The widget libraries' binary interface, as an installed copy shows it:
# - every installed QObject class keeps its data behind one private pointer (private-data.py);
# - each library exports only names that the installed headers declare;
# - against the interface kept in widgetset/abi/ for the current SONAME, abidiff finds no
#   incompatible change (a data member or a virtual function added to an installed class, a
#   symbol taken away, a signature changed). Such a change must raise the SONAME and start a
#   new baseline (tools/abi-baseline.sh), as widgetset/CMakeLists.txt says.
#   binary-interface.sh <build tree> <source tree> <work folder>
set -euo pipefail
build=$1
source=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log"
include=$prefix/include/TarvoWidgets

python3 "$source/tests/install/private-data.py" "$include" || fail "a QObject class keeps data in an installed header"

status=0
for library in "$prefix"/lib/libTarvoWidgets.so.* "$prefix"/lib/libTarvoWidgetsLayouts.so.*; do
  [[ -L "$library" ]] && continue
  soname=$(objdump -p "$library" | awk '/SONAME/ { print $2 }')
  # The first name below the namespace of every exported symbol: a class or a function.
  names=$(nm -D --defined-only "$library" | awk '$2 != "A" { print $3 }' | c++filt \
            | grep -oE 'TarvoWidgets::[A-Za-z_][A-Za-z0-9_]*' | sed 's/TarvoWidgets:://' | sort -u)
  outside=$(nm -D --defined-only "$library" | awk '$2 != "A" { print $3 }' | c++filt | grep -v 'TarvoWidgets::' || true)
  [[ -z "$outside" ]] || { echo "$soname exports names outside the namespace:" >&2; echo "$outside" >&2; status=1; }
  for name in $names; do
    if ! grep -rqE "(class|struct|enum)( [A-Z_]+_EXPORT)? $name\b|(^|[^A-Za-z0-9_])$name\(" "$include"; then
      echo "$soname exports $name, which no installed header declares" >&2
      status=1
    fi
  done
  echo "$soname: $(wc -w <<<"$names") exported names, each declared by an installed header"

  baseline=$source/widgetset/abi/$soname.abi
  [[ -f "$baseline" ]] || fail "no kept interface $baseline for $soname: a new SONAME starts one with tools/abi-baseline.sh"
  set +e
  abidiff "$baseline" "$library" >"$work/$soname.abidiff" 2>&1
  result=$?
  set -e
  # abidiff's status is a bit set: 1 its own error, 2 a usage error, 4 a change of the interface,
  # 8 a change that it knows breaks programs. It counts a virtual function appended to a class
  # as a compatible change (true for callers, not for a program's subclasses), so any function
  # or variable removed or changed fails too: only additions keep the interface.
  changes=$({ grep -oE '[0-9]+ (Removed|Changed)' "$work/$soname.abidiff" || true; } | awk '{ n += $1 } END { print n + 0 }')
  if (( result & 3 )); then
    cat "$work/$soname.abidiff" >&2
    fail "abidiff could not compare $soname"
  elif (( result & 8 || changes > 0 )); then
    cat "$work/$soname.abidiff" >&2
    echo "$soname: an incompatible change of the binary interface; raise TARVO_WIDGETS_SOVERSION and make a new baseline" >&2
    status=1
  else
    echo "$soname: compatible with the kept interface"
  fi
done
exit $status
