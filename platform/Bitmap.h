#pragma once

#include <QImage>
#include <QString>

// Reads a Windows bitmap file. A file that cannot be opened raises the file-open error with
// its full path; a file that is not a valid bitmap raises the invalid-bitmap error.
QImage LoadBitmap(const QString& path);
