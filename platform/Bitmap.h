#pragma once

#include <QImage>
#include <QString>

// Reads a Windows bitmap file. A file that cannot be opened raises the file-open error with
// its full path; a file that is not a valid bitmap raises the invalid-bitmap error. Only a
// regular file is read, and never with a call that can wait: a FIFO, a folder or a device in
// place of a picture gives the file-open error at once instead of stalling the program.
QImage LoadBitmap(const QString& path);
