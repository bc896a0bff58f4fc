// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "WavFile.h"

#include <QByteArray>
#include <QFile>

#include <stdexcept>

namespace {
void PutU32(QByteArray& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutU16(QByteArray& out, std::uint16_t v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}
} // namespace

void SaveWav(const std::vector<std::int16_t>& samples, int sampleRate, int channels,
             const QString& path)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(channels * 2);

    QByteArray out;
    out.append("RIFF");
    PutU32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    PutU32(out, 16);                                   // size of the PCM format block
    PutU16(out, 1);                                    // PCM
    PutU16(out, static_cast<std::uint16_t>(channels));
    PutU32(out, static_cast<std::uint32_t>(sampleRate));
    PutU32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    PutU16(out, blockAlign);
    PutU16(out, 16);                                   // bits per sample
    out.append("data");
    PutU32(out, dataBytes);
    for (std::int16_t s : samples)
        PutU16(out, static_cast<std::uint16_t>(s));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}
