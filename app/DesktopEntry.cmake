# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# tarvo_write_desktop_entry(template output program): writes the desktop entry of `template`
# with its Exec line naming `program`, an absolute path. The install step calls it with the
# prefix that the install really uses (cmake --install --prefix, a package's /usr), so the
# menu entry starts the program that was installed, wherever it went.
function(tarvo_write_desktop_entry template output program)
  if(program MATCHES "[\n\r]")
    message(FATAL_ERROR "a desktop entry cannot start a program whose path holds a line break: ${program}")
  endif()
  # A value holds no control character but the tab, which it writes as \t.
  foreach(code RANGE 1 31)
    string(ASCII ${code} control)
    string(FIND "${program}" "${control}" at)
    if(at GREATER -1 AND NOT code EQUAL 9)
      message(FATAL_ERROR "a desktop entry cannot start a program whose path holds a control character: ${program}")
    endif()
  endforeach()
  # A path with a character that the Exec line reserves is written in double quotes, in which
  # ", `, $ and \ take a backslash; the value's own escaping then doubles every backslash and
  # writes a tab as \t. A % is a field code unless doubled.
  set(exec "${program}")
  if(exec MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
    set(exec "\"${exec}\"")
  endif()
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "\t" "\\t" exec "${exec}")
  string(REPLACE "%" "%%" exec "${exec}")
  # GLib (gio, and the menus of the desktops built on it) checks the Exec line's first word as
  # a file before it resolves field codes, so it refuses an entry whose program is written
  # with "%%". env, found on the PATH, starts the program named by its argument, where the
  # field code is resolved as usual.
  if(program MATCHES "%")
    set(exec "env ${exec}")
  endif()
  set(TARVO_DESKTOP_EXEC "${exec}")
  configure_file("${template}" "${output}" @ONLY)
endfunction()
