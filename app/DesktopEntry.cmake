# tarvo_write_desktop_entry(template output program): writes the desktop entry of `template`
# with its Exec line naming `program`, an absolute path. The install step calls it with the
# prefix that the install really uses (cmake --install --prefix, a package's /usr), so the
# menu entry starts the program that was installed, wherever it went.
function(tarvo_write_desktop_entry template output program)
  if(program MATCHES "[\n\r]")
    message(FATAL_ERROR "a desktop entry cannot start a program whose path holds a line break: ${program}")
  endif()
  # A path with a character that the Exec line reserves is written in double quotes, in which
  # ", `, $ and \ take a backslash; the value's own escaping then doubles every backslash.
  # A % is a field code unless doubled.
  set(exec "${program}")
  if(exec MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${exec}")
    set(exec "\"${exec}\"")
  endif()
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "%" "%%" exec "${exec}")
  set(TARVO_DESKTOP_EXEC "${exec}")
  configure_file("${template}" "${output}" @ONLY)
endfunction()
