// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Fuzz target of the INI reader: any bytes parse, read back and write back without a crash or
// a hang, everything that was read comes back byte for byte, and a value written into the
// parsed text reads back as written.
#include "toolkit/stores/IniFile.h"
#include "toolkit/stores/ProfileText.h"

#include <cstdint>
#include <cstdlib>

using namespace TarvoWidgets;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TProfileText text = TProfileText::Parse(bytes);

    // Lines are written back as read; only a missing final line feed is added.
    const QByteArray expected = bytes.isEmpty() || bytes.endsWith('\n') ? bytes : bytes + '\n';
    Check(text.ToBytes() == expected);

    const QStringList sections = text.SectionNames();
    for (const QString& section : sections.mid(0, 8)) {
        Check(text.HasSection(section));
        for (const char* key : {"HistoryCount", "History0", "History1", ""}) {
            if (const std::optional<QString> value = text.Value(section, QString::fromLatin1(key)))
                Check(TIniFile::CutToBytes(*value, TIniFile::MaxValueBytes).toUtf8().size() <= TIniFile::MaxValueBytes);
        }
    }

    // A value set in the first section survives a second parse.
    const QString section = sections.isEmpty() ? QStringLiteral("Fuzz") : sections.first();
    if (TProfileText::IsSectionName(section)) {
        text.SetValue(section, QStringLiteral("HistoryCount"), QStringLiteral("7"));
        const TProfileText again = TProfileText::Parse(text.ToBytes());
        Check(again.Value(section, QStringLiteral("historycount")) == QStringLiteral("7"));
    }
    return 0;
}
