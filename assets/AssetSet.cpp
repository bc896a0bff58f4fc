// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "AssetSet.h"

#include "DiscPainter.h"
#include "FacePainter.h"
#include "GameBackground.h"
#include "GameOverScenes.h"
#include "ImageFiles.h"
#include "PaintKit.h"
#include "Mood.h"
#include "RewardScenes.h"
#include "Roster.h"
#include "Sounds.h"
#include "TitleBackground.h"
#include "WavFile.h"

#include <QDir>

#include <stdexcept>

namespace {
QString In(const QString& dir, const QString& name)
{
    return QDir(dir).filePath(name);
}

void MakeDir(const QString& dir)
{
    if (!QDir().mkpath(dir))
        throw std::runtime_error("cannot create " + dir.toStdString());
}

// Every picture is written twice: at its size as name.bmp, and painted anew at twice the size
// as name@2x.bmp, which the game shows where the screen's device pixel ratio is above 1.
using PictureWriter = void (*)(const QString& dir, const QString& suffix);

void AtBothSizes(const QString& dir, PictureWriter write)
{
    write(dir, QString());
    const kit::ScaleGuard doubled(2);
    write(dir, QStringLiteral("@2x"));
}

void WriteDataPictures(const QString& dir, const QString& suffix)
{
    const auto File = [&](const QString& name) { return QDir(dir).filePath(name + suffix + QStringLiteral(".bmp")); };
    SaveBmp(TitleBackground::paint(), File(QStringLiteral("0001")));
    SaveBmp(GameBackground::paint(), File(QStringLiteral("0002")));
    const FacePainter player(roster::Player().look);
    for (int k = 1; k <= 17; ++k)
        SaveBmp(player.portrait(Mood::Player(k - 1)), File(QStringLiteral("0_%1").arg(k)));
    for (int n = 1; n <= 12; ++n) {
        const FacePainter face(roster::Opponent(n).look);
        for (int k = 0; k <= 2; ++k)
            SaveBmp(face.portrait(Mood::Opponent(k)), File(QStringLiteral("%1_%2").arg(n).arg(k)));
    }
    const QString steps = QStringLiteral("ABC");
    for (int n = 1; n <= 12; ++n)
        for (int step = 0; step < 3; ++step)
            SaveBmp(RewardScenes::paint(n, step), File(QStringLiteral("%1_%2").arg(n).arg(steps[step])));
    for (int step = 0; step < 3; ++step)
        SaveBmp(GameOverScenes::paint(step), File(QStringLiteral("0_%1").arg(steps[step])));
}

void WriteLayoutPictures(const QString& dir, const QString& suffix)
{
    const auto File = [&](const QString& name) { return QDir(dir).filePath(name + suffix + QStringLiteral(".bmp")); };
    for (int i = 0; i < 8; ++i)
        SaveBmp(DiscPainter::cell(i), File(QStringLiteral("disc%1").arg(i)));
    SaveBmp(FacePainter(roster::OldMan().look).portrait(Mood::Friendly()), File(QStringLiteral("portrait")));
}
} // namespace

void AssetSet::writeData(const QString& dir)
{
    MakeDir(dir);
    AtBothSizes(dir, WriteDataPictures);
}

void AssetSet::writeSounds(const QString& dir)
{
    MakeDir(dir);
    SaveWav(MakeChime(), kSoundRate, 1, In(dir, QStringLiteral("01.wav")));
    SaveWav(MakeFanfare(), kSoundRate, 1, In(dir, QStringLiteral("02.wav")));
}

void AssetSet::writeLayout(const QString& dir)
{
    MakeDir(dir);
    AtBothSizes(dir, WriteLayoutPictures);
    // The window icons: Qt scales the larger one for a screen that needs it.
    SavePng(DiscPainter::icon(32), In(dir, QStringLiteral("icon.png")));
    SavePng(DiscPainter::icon(256), In(dir, QStringLiteral("icon-256.png")));
}
