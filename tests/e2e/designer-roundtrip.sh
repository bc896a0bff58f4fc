#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# A round trip through Qt Designer loses nothing: the real designer, with the widget set's
# plugin, opens each form, saves it by its own save action (Ctrl+S, as a user does), and the
# stored properties that a stored layout reads from the saved file are those of the original
# (compared by ui_properties); the saved form opened and saved once more stores them still.
# Designer must say nothing while it reads and saves them. The saved form compiles: uic says
# nothing, passes no colour name or glyph through the translator, and its code builds against the
# widget headers. The user project's form check, built on
# uic's code of the saved forms, finds the values that the stored layout reads from them.
#   designer-roundtrip.sh <plugin folder holding designer/> <ui_properties> <uic-check.sh> <form.ui>...
# uic-check.sh (written by CMake) gives uic, moc, cxx, cxx_flags, link_libs, user_project, gallery.
source "$(dirname "$0")/lib.sh"
plugins=$1
dump=$2
# Named here so that a name the file leaves out is empty rather than unknown.
uic='' moc='' cxx='' user_project='' gallery=''
cxx_flags=() link_libs=()
# shellcheck source=/dev/null
source "$3"
[[ -n "$uic" && -n "$moc" && -n "$cxx" && -n "$user_project" && -n "$gallery" ]] || fail "$3 does not name the tools and folders"
shift 3
designer=/usr/lib/qt6/bin/designer
[[ -x "$designer" ]] || fail "no Qt Designer at $designer (package designer-qt6)"

# Opens <out>/<name>.ui in Designer and saves it there by Ctrl+S.
save_in_designer() {
  local out=$1 name=$2 window="" before deadline
  # The file's modification time in nanoseconds, and its size, tell a save.
  before=$(stat -c %.9Y.%s "$out/$name.ui")
  # A settings folder of its own: no earlier session's window layout or recent files.
  HOME="$out/home" XDG_CONFIG_HOME="$out/home/.config" QT_PLUGIN_PATH="$plugins" \
    "$designer" "$out/$name.ui" >>"$out/designer.log" 2>&1 &
  APP_PID=$!
  # Designer's main window holds the form (its first start docks the forms in it).
  deadline=$((SECONDS + 60))
  until window=$(xdotool search --onlyvisible --name '^Qt Designer$' 2>/dev/null | head -n1) && [[ -n "$window" ]]; do
    kill -0 "$APP_PID" 2>/dev/null || fail "$name: designer ended; see $out/designer.log"
    ((SECONDS < deadline)) || fail "$name: no designer window within 60 s"
    sleep 0.5
  done
  # Designer has drawn what it read once two shots half a second apart agree (but for a text
  # cursor's blink).
  local apart=""
  deadline=$((SECONDS + 30))
  shot "$name-open"
  until sleep 0.5; cp "$E2E_OUT/$name-open.png" "$E2E_OUT/$name-before.png"; shot "$name-open"
        apart=$(compare -metric AE "$E2E_OUT/$name-before.png" "$E2E_OUT/$name-open.png" null: 2>&1 || true)
        [[ "$apart" =~ ^[0-9]+$ ]] && ((apart <= 40)); do
    ((SECONDS < deadline)) || fail "$name: designer's window never came to rest ($apart pixels changed)"
  done
  xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+s
  deadline=$((SECONDS + 30))
  until [[ "$(stat -c %.9Y.%s "$out/$name.ui")" != "$before" ]]; do
    ((SECONDS < deadline)) || fail "$name: Ctrl+S saved nothing within 30 s"
    sleep 0.2
  done
  shot "$name-saved"
  kill "$APP_PID" 2>/dev/null || true
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=""
}

start_display
status=0
for form in "$@"; do
  name=$(basename "$form" .ui)
  out="$E2E_OUT/$name"
  mkdir -p "$out/home"
  cp "$form" "$out/$name.ui"
  QT_QPA_PLATFORM=offscreen "$dump" "$out/$name.ui" >"$out/before.txt" 2>/dev/null \
    || fail "$name: the stored layout does not read the original"
  # Saved twice: Designer must also read what it wrote itself (a flag set as a <set>, a plain
  # colour as a <color>).
  for pass in 1 2; do
    save_in_designer "$out" "$name"
    QT_QPA_PLATFORM=offscreen "$dump" "$out/$name.ui" >"$out/after.txt" 2>"$out/dump.log" \
      || { echo "$name: the stored layout does not read the saved form: $(cat "$out/dump.log")" >&2; status=1; break; }
    if ! diff -u "$out/before.txt" "$out/after.txt" >"$out/diff.txt"; then
      echo "$name: the form saved $pass time(s) differs:" >&2
      grep '^[-+][^-+]' "$out/diff.txt" >&2 || true
      status=1
      break
    fi
  done
  # uic's code of the saved form: no warning, and it compiles (setupUi is inline in the header).
  # Kept under the form's class name, as the user project includes it.
  class=$(sed -n 's:^ *<class>\([A-Za-z_]*\)</class>.*:\1:p' "$out/$name.ui" | head -n1)
  mkdir -p "$E2E_OUT/compiled"
  cp "$out/$name.ui" "$E2E_OUT/compiled/$class.ui"
  if ! "$uic" -o "$E2E_OUT/compiled/ui_$class.h" "$out/$name.ui" 2>"$out/uic.log" || [[ -s "$out/uic.log" ]]; then
    echo "$name: uic on the saved form:" >&2
    cat "$out/uic.log" >&2
    status=1
  elif grep -E 'translate\(.*"(cl[A-Z][A-Za-z]*|#[0-9A-Fa-f]{6})"|setProperty\("Glyph".*translate\(' "$E2E_OUT/compiled/ui_$class.h" >"$out/translated.txt"; then
    echo "$name: uic's code passes colour names or glyphs through the translator:" >&2
    cut -c1-160 "$out/translated.txt" >&2
    status=1
  elif ! "$cxx" "${cxx_flags[@]}" -fsyntax-only -x c++ "$E2E_OUT/compiled/ui_$class.h" 2>"$out/compile.log"; then
    echo "$name: uic's code of the saved form does not compile:" >&2
    grep -m 10 'error' "$out/compile.log" >&2 || cat "$out/compile.log" >&2
    status=1
  fi
  # Designer's own start-up lines are no warning of ours.
  if grep -v -e 'XDG_RUNTIME_DIR' "$out/designer.log" >"$out/warnings.txt"; then
    echo "$name: Designer warned:" >&2
    cat "$out/warnings.txt" >&2
    status=1
  fi
  echo "$name: $(wc -l <"$out/before.txt") stored values compared"
done

# The user project's program, built on uic's code of the saved forms (its four: AllWidgets and the
# gallery's pages) and of its form written by hand, sets each compiled form beside the same file
# read as a stored layout.
form_check() {
  local dir=$E2E_OUT/compiled source objects=()
  "$moc" "$gallery/ShineStateSample.h" -o "$dir/moc_ShineStateSample.cpp" || return 1
  # The program's form written by hand goes in as it is: Designer saved none of it.
  cp "$user_project/HandWritten.ui" "$dir/" || return 1
  "$uic" -o "$dir/ui_HandWritten.h" "$user_project/HandWritten.ui" || return 1
  for source in "$user_project/main.cpp" "$user_project/FormCheck.cpp" "$gallery/ShineStateSample.cpp" \
    "$dir/moc_ShineStateSample.cpp"; do
    objects+=("$dir/$(basename "$source" .cpp).o")
    "$cxx" "${cxx_flags[@]}" -I"$dir" -I"$user_project" -c "$source" -o "${objects[-1]}" \
      2>>"$dir/compile.log" || return 1
  done
  "$cxx" "${objects[@]}" "${link_libs[@]}" -o "$dir/form-check" 2>>"$dir/compile.log" || return 1
  QT_QPA_PLATFORM=offscreen "$dir/form-check" "$dir" "$dir" "$dir/pictures"
}
if ((status == 0)); then
  if ! form_check; then
    echo "the forms that Designer saved, compiled by uic, differ from their stored layouts" >&2
    grep -m 10 'error' "$E2E_OUT/compiled/compile.log" >&2 || true
    status=1
  fi
fi
exit "$status"
