// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The two sounds beside the game: 16-bit PCM WAV files with a consistent RIFF header, the chime
// shorter than a second, the fanfare between one and two seconds, and neither silent.
#include "AssetFolder.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace assetfolder;

namespace {
struct Wav {
    quint16 format = 0, channels = 0, bits = 0, blockAlign = 0;
    quint32 rate = 0, byteRate = 0;
    QByteArray data;
    bool riffSizeMatches = false;
};

Wav ReadWav(const QString& path)
{
    Wav wav;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return wav;
    const QByteArray all = file.readAll();
    if (all.size() < 12 || !all.startsWith("RIFF") || all.mid(8, 4) != "WAVE")
        return wav;
    wav.riffSizeMatches = qFromLittleEndian<quint32>(all.constData() + 4) + 8 == static_cast<quint32>(all.size());
    // Walk the chunks: "fmt " and "data" are required, others are skipped.
    qsizetype at = 12;
    while (at + 8 <= all.size()) {
        const QByteArray id = all.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(all.constData() + at + 4);
        const char* body = all.constData() + at + 8;
        if (at + 8 + static_cast<qsizetype>(size) > all.size())
            break;
        if (id == "fmt " && size >= 16) {
            wav.format = qFromLittleEndian<quint16>(body);
            wav.channels = qFromLittleEndian<quint16>(body + 2);
            wav.rate = qFromLittleEndian<quint32>(body + 4);
            wav.byteRate = qFromLittleEndian<quint32>(body + 8);
            wav.blockAlign = qFromLittleEndian<quint16>(body + 12);
            wav.bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            wav.data = QByteArray(body, size);
        }
        at += 8 + size + (size & 1);
    }
    return wav;
}

struct Expectation {
    const char* name;
    double minSeconds, maxSeconds;
};
} // namespace

TEST(SoundFiles, AreSixteenBitPcmOfPlausibleLength)
{
    for (const Expectation& e : {Expectation{"01.wav", 0.2, 1.0}, Expectation{"02.wav", 1.0, 2.0}}) {
        SCOPED_TRACE(e.name);
        const Wav wav = ReadWav(QDir(BinDir()).filePath(e.name));
        EXPECT_TRUE(wav.riffSizeMatches);
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_TRUE(wav.channels == 1 || wav.channels == 2);
        EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100);
        EXPECT_EQ(wav.blockAlign, wav.channels * 2);
        EXPECT_EQ(wav.byteRate, wav.rate * wav.blockAlign);
        ASSERT_GT(wav.blockAlign, 0);
        ASSERT_EQ(wav.data.size() % wav.blockAlign, 0);
        const double seconds = static_cast<double>(wav.data.size()) / wav.byteRate;
        EXPECT_GT(seconds, e.minSeconds);
        EXPECT_LT(seconds, e.maxSeconds);

        int peak = 0;
        for (qsizetype i = 0; i + 1 < wav.data.size(); i += 2)
            peak = std::max(peak, std::abs(static_cast<int>(qFromLittleEndian<qint16>(wav.data.constData() + i))));
        EXPECT_GT(peak, 8000) << "audible";
        EXPECT_LT(peak, 32767) << "not clipped";
    }
}
