// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

// Bitmap files for the tests, the benchmarks and the fuzz seeds: well-formed files of every kind
// the loader accepts, with the picture each must give, and damaged or hostile ones, each with the
// error it must give.

struct TWellFormedBitmap {
    QString Name;
    QByteArray Bytes;
    QImage Picture;   // what the file must decode to
};

std::vector<TWellFormedBitmap> WellFormedBitmaps();

// What stands at a picture's path: a file with the given bytes, or something that is no file
// to read a picture from.
enum class TPlacement { Bytes, Missing, Folder, Fifo, DanglingLink, Unreadable, Device };

struct TBitmapVariant {
    QString Name;
    TPlacement Placement = TPlacement::Bytes;
    QByteArray Bytes;   // the bytes of a Bytes or Unreadable file

    // The file-open error where the path cannot be opened as a file; the invalid-bitmap error
    // for every file that opens.
    bool CannotOpen() const { return Placement != TPlacement::Bytes; }
};

std::vector<TBitmapVariant> HostileBitmaps();

// Puts the variant at path, replacing the file there. Unreadable leaves a file of mode 000 that
// only a privileged user can still read.
void PlaceBitmapVariant(const TBitmapVariant& variant, const QString& path);
