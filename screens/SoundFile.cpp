// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "SoundFile.h"

#include <QDir>
#include <QFileInfo>

QString SoundFile(const QString& fileName, const QString& appDir)
{
    if (QFileInfo(fileName).isFile())
        return fileName;
    return QDir(appDir).filePath(fileName);
}
