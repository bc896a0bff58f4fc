// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

// Small helpers for tests of code that reads and writes files: the whole content of a file,
// writing one, the text of the toolkit error an action raises, and a writer that stops half-way.
#include "toolkit/stores/ProfileFile.h"
#include "toolkit/base/ToolkitError.h"

#include <QFile>
#include <QString>

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The message of the TarvoWidgets::EToolkitError that action raises, or "<no error>".
template <typename F>
QString ErrorText(F&& action)
{
    try {
        action();
    } catch (const TarvoWidgets::EToolkitError& error) {
        return error.Message();
    }
    return QStringLiteral("<no error>");
}

// A writer that puts the first half of the bytes on the disk and then fails, as a full disk
// or a crash in the middle of a save would.
inline TarvoWidgets::TFileWriter HalfWriter()
{
    return [](QFileDevice& out, const QByteArray& bytes) {
        out.write(bytes.left(bytes.size() / 2));
        out.flush();
        return false;
    };
}
