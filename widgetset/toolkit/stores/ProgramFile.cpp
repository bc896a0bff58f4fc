// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/stores/ProgramFile.h"

#include "toolkit/stores/ProfileErrors_p.h"
#include "toolkit/stores/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace TarvoWidgets {

TProgramFile::TPlaces TProgramFile::Current()
{
    TPlaces places;
    places.ProgramFolder = QCoreApplication::applicationDirPath();
    // The system's own answer for this user: permission bits, a read-only mount, an ACL.
    places.ProgramFolderWritable = ::access(QFile::encodeName(places.ProgramFolder).constData(), W_OK) == 0;
    if (!places.ProgramFolderWritable)
        places.UserFolder = ProgramConfigFolder(QStringLiteral("ユーザーごとのファイル"));
    return places;
}

QString TProgramFile::ForReading(const QString& name, const TPlaces& places)
{
    const QString inProgramFolder = places.ProgramFolder + QLatin1Char('/') + name;
    if (places.ProgramFolderWritable)
        return inProgramFolder;
    const QString userCopy = places.UserFolder + QLatin1Char('/') + name;
    return QFileInfo::exists(userCopy) ? userCopy : inProgramFolder;
}

QString TProgramFile::ForWriting(const QString& name, const TPlaces& places)
{
    const QString inProgramFolder = places.ProgramFolder + QLatin1Char('/') + name;
    if (places.ProgramFolderWritable)
        return inProgramFolder;
    const QString userCopy = places.UserFolder + QLatin1Char('/') + name;
    if (QFileInfo::exists(userCopy) || !QFileInfo(inProgramFolder).isFile())
        return userCopy;
    if (!QDir().mkpath(places.UserFolder) || !QFile::copy(inProgramFolder, userCopy))
        throw ProfileErrors::WriteFailed(userCopy);
    // The copy keeps the installed file's read-only mode; the user's copy is the user's to write.
    QFile::setPermissions(userCopy, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return userCopy;
}

} // namespace TarvoWidgets
