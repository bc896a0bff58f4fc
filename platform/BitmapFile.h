// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reads a Windows bitmap file. A file that cannot be opened raises the file-open error with
// its full path; a file that is not a valid bitmap raises the invalid-bitmap error. Only a
// regular file is read, and never with a call that can wait: a FIFO, a folder or a device in
// place of a picture gives the file-open error at once instead of stalling the program.
QImage LoadBitmap(const QString& path);
// The same, reading the file into buffer, whose memory is reused when it is large enough:
// code that reads many files one after the other then takes fresh memory once, for the
// largest, instead of once for every file.
QImage LoadBitmap(const QString& path, QByteArray& buffer);
// Reads a Windows bitmap compiled into the program (a ":/" resource path) with the same
// strict decoder; a path that names no resource raises the file-open error.
QImage LoadBitmapResource(const QString& path);
