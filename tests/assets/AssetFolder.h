// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Where the build put the generated files, and the names the game reads from them.
namespace assetfolder {

QString BinDir();   // from TARVO_BIN_DIR, which the test runner sets
QString DataDir();  // BinDir()/data
QString DataPath(const QString& name);

// Every file of the data folder, with the size its picture must have.
struct DataFile {
    QString name;
    QSize size;
};
QList<DataFile> DataFiles();
// "name@2x.bmp", the double-size twin of the picture "name.bmp".
QString TwinName(const QString& name);
// DataFiles() and each one's twin at twice its size.
QList<DataFile> DataFilesWithTwins();

// A picture read from a file or resource; fails the current test when it cannot be read.
QImage Read(const QString& path);

// Mean absolute difference of all colour channels of two pictures of the same size, 0..255.
double MeanDifference(const QImage& a, const QImage& b);

} // namespace assetfolder
