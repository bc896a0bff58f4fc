#include "AssetSet.h"

#include "DiscPainter.h"
#include "FacePainter.h"
#include "GameBackground.h"
#include "GameOverScenes.h"
#include "ImageFiles.h"
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
} // namespace

void AssetSet::writeData(const QString& dir)
{
    MakeDir(dir);
    SaveBmp(TitleBackground::paint(), In(dir, QStringLiteral("0001.bmp")));
    SaveBmp(GameBackground::paint(), In(dir, QStringLiteral("0002.bmp")));
    const FacePainter player(roster::Player().look);
    for (int k = 1; k <= 17; ++k)
        SaveBmp(player.portrait(Mood::Player(k - 1)), In(dir, QStringLiteral("0_%1.bmp").arg(k)));
    for (int n = 1; n <= 12; ++n) {
        const FacePainter face(roster::Opponent(n).look);
        for (int k = 0; k <= 2; ++k)
            SaveBmp(face.portrait(Mood::Opponent(k)), In(dir, QStringLiteral("%1_%2.bmp").arg(n).arg(k)));
    }
    const QString steps = QStringLiteral("ABC");
    for (int n = 1; n <= 12; ++n)
        for (int step = 0; step < 3; ++step)
            SaveBmp(RewardScenes::paint(n, step), In(dir, QStringLiteral("%1_%2.bmp").arg(n).arg(steps[step])));
    for (int step = 0; step < 3; ++step)
        SaveBmp(GameOverScenes::paint(step), In(dir, QStringLiteral("0_%1.bmp").arg(steps[step])));
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
    for (int i = 0; i < 8; ++i)
        SaveBmp(DiscPainter::cell(i), In(dir, QStringLiteral("disc%1.bmp").arg(i)));
    SaveBmp(FacePainter(roster::OldMan().look).portrait(Mood::Friendly()), In(dir, QStringLiteral("portrait.bmp")));
    SavePng(DiscPainter::icon(32), In(dir, QStringLiteral("icon.png")));
    SavePng(DiscPainter::icon(256), In(dir, QStringLiteral("icon-256.png")));
}
