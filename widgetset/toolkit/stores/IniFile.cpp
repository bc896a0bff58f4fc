// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/stores/IniFile.h"

#include "toolkit/stores/ProfileErrors_p.h"

namespace TarvoWidgets {

namespace {

bool IsQuoted(const QString& text)
{
    return text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"'));
}

} // namespace

TIniFile::TIniFile(const QString& fileName, TFileWriter writer)
    : FFile(fileName, std::move(writer))
{
}

QString TIniFile::CutToBytes(const QString& text, int maxBytes)
{
    // No UTF-16 code unit takes more than three bytes of UTF-8.
    if (text.size() <= maxBytes / 3)
        return text;
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= maxBytes)
        return text;
    // Step back over continuation bytes (10xxxxxx) to the first byte of the character that
    // straddles the limit.
    qsizetype cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    utf8.truncate(cut);
    return QString::fromUtf8(utf8);
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue)
{
    const std::optional<QString> value = FFile.Text().Value(section, key);
    if (!value)
        return defaultValue;
    const QString text = IsQuoted(*value) ? value->mid(1, value->size() - 2) : *value;
    return CutToBytes(text, MaxValueBytes);
}

bool TIniFile::SectionExists(const QString& section)
{
    return FFile.Text().HasSection(section);
}

QString TIniFile::StoredValue(const QString& key, const QString& value)
{
    if (!TProfileText::IsKeyName(key))
        throw ProfileErrors::KeyNameInvalid(key);
    if (TProfileText::HasLineBreak(value))
        throw ProfileErrors::ValueLineBreak(key);
    return TProfileText::HasOuterBlank(value) || IsQuoted(value) ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    if (!TProfileText::IsSectionName(section))
        throw ProfileErrors::SectionNameInvalid(section);
    const QString stored = StoredValue(key, value);
    FFile.Change([=](TProfileText& text) { text.SetValue(section, key, stored); });
}

void TIniFile::TSectionEntries::WriteString(const QString& key, const QString& value)
{
    FLines.Add(key, StoredValue(key, value));
}

void TIniFile::ReplaceSection(const QString& section, TSectionEntries entries)
{
    if (!TProfileText::IsSectionName(section))
        throw ProfileErrors::SectionNameInvalid(section);
    const QString folded = TProfileText::Folded(section);
    FFile.ReplaceSections([folded](const QString& name) { return TProfileText::Folded(name) == folded; }, section,
                          std::move(entries.FLines));
}

void TIniFile::EraseSection(const QString& section)
{
    const QString folded = TProfileText::Folded(section);
    FFile.Change([folded](TProfileText& text) {
        text.EraseSections([&](const QString& name) { return TProfileText::Folded(name) == folded; });
    });
}

void TIniFile::UpdateFile()
{
    FFile.Commit();
}

} // namespace TarvoWidgets
