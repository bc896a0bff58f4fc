// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The warnings that Qt's message log receives while it lives.
class TWarnings {
public:
    TWarnings() { Previous = qInstallMessageHandler(&TWarnings::Keep); Current = this; }
    ~TWarnings() { qInstallMessageHandler(Previous); Current = nullptr; }
    TWarnings(const TWarnings&) = delete;
    TWarnings& operator=(const TWarnings&) = delete;
    QStringList Texts;

private:
    static void Keep(QtMsgType type, const QMessageLogContext&, const QString& text)
    {
        if (type == QtWarningMsg && Current)
            Current->Texts << text;
    }
    static inline TWarnings* Current = nullptr;
    QtMessageHandler Previous = nullptr;
};
