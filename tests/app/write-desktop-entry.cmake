# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# Writes the game's desktop entry to ENTRY for the program PROGRAM, as the install step does.
#   cmake -DSOURCE_DIR=<app source folder> -DENTRY=<file> -DPROGRAM=<absolute path> -P write-desktop-entry.cmake
include("${SOURCE_DIR}/DesktopEntry.cmake")
tarvo_write_desktop_entry("${SOURCE_DIR}/tarvo.desktop.in" "${ENTRY}" "${PROGRAM}")
