// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/stores/ProfileText.h"

#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace TarvoWidgets {

namespace {

// A UTF-8 byte-order mark that an editor may have put at the start of the file; it stays in
// the first line's bytes but is no part of its text.
constexpr char Bom[] = "\xEF\xBB\xBF";

// The text of UTF-8 bytes, a leading U+FEFF included: QString::fromUtf8 takes it for a
// byte-order mark and drops it, which would change a name or value that starts with one.
QString FromUtf8(QByteArrayView bytes)
{
    if (!bytes.startsWith(QByteArrayView(Bom)))
        return QString::fromUtf8(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

bool TProfileText::HasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

bool TProfileText::HasOuterBlank(const QString& text)
{
    return !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
}

bool TProfileText::IsSectionName(const QString& name)
{
    return !name.isEmpty() && !HasLineBreak(name) && !name.contains(QLatin1Char(']')) && !HasOuterBlank(name);
}

bool TProfileText::IsKeyName(const QString& name)
{
    return !name.isEmpty() && !HasLineBreak(name) && !name.contains(QLatin1Char('='))
        && !name.startsWith(QLatin1Char('[')) && !name.startsWith(QLatin1Char(';')) && !HasOuterBlank(name);
}

std::optional<QString> TProfileText::HeaderName(QByteArrayView body)
{
    const QByteArrayView trimmed = body.trimmed();
    const qsizetype close = trimmed.indexOf(']');
    if (!trimmed.startsWith('[') || close <= 0)
        return std::nullopt;
    return FromUtf8(trimmed.sliced(1, close - 1)).trimmed();
}

namespace {

// Each line of bytes as Parse reads it: where it starts, the line without its break, and its
// body, which also leaves out a carriage return before the break and, in the first line of a
// file, a byte-order mark.
template <typename TVisit> void EachLine(QByteArrayView bytes, bool startsFile, TVisit visit)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView raw = bytes.sliced(start, end - start);
        QByteArrayView body = raw.endsWith('\r') ? raw.chopped(1) : raw;
        if (startsFile && start == 0 && body.startsWith(QByteArrayView(Bom)))
            body = body.sliced(3);
        visit(start, raw, body);
        start = end + 1;
    }
}

} // namespace

TProfileText TProfileText::Parse(const QByteArray& bytes)
{
    // Only the headers are read here; each section's lines wait in the file's bytes.
    TProfileText text;
    text.FSections.push_back(TSection{});
    qsizetype tailStart = 0;
    const auto closeTail = [&](qsizetype end) {
        TSection& last = text.FSections.back();
        last.Tail = QByteArrayView(bytes).sliced(tailStart, end - tailStart);
        last.TailBytes = bytes;
        last.TailStartsFile = tailStart == 0;
    };
    EachLine(bytes, true, [&](qsizetype start, QByteArrayView raw, QByteArrayView body) {
        std::optional<QString> name = HeaderName(body);
        if (!name)
            return;
        closeTail(start);
        TSection section;
        section.Name = std::move(*name);
        section.HasHeader = true;
        section.Lines.push_back(TLine{raw.toByteArray(), {}, {}, false});
        text.FSections.push_back(std::move(section));
        tailStart = std::min(start + raw.size() + 1, bytes.size());
    });
    closeTail(bytes.size());
    text.Reindex();
    return text;
}

void TProfileText::Open(const TSection& section)
{
    if (section.Tail.isEmpty())
        return;
    EachLine(section.Tail, section.TailStartsFile, [&](qsizetype, QByteArrayView raw, QByteArrayView body) {
        TLine line = ParseLine(body);
        // TailBytes stays with the section and is never changed, so the line's bytes stay
        // where they are.
        line.Raw = QByteArray::fromRawData(raw.data(), raw.size());
        section.Lines.push_back(std::move(line));
    });
    section.Tail = {};
    Index(section);
}

void TProfileText::Index(const TSection& section)
{
    section.KeyIndex.clear();
    section.KeyIndex.reserve(qsizetype(section.Lines.size()));
    section.LastEntry = 0;
    for (int j = 0; j < int(section.Lines.size()); ++j) {
        if (!section.Lines[j].IsEntry)
            continue;
        section.LastEntry = j;
        if (!section.KeyIndex.contains(section.Lines[j].Key))
            section.KeyIndex.insert(section.Lines[j].Key, j);
    }
}

TProfileText::TLine TProfileText::ParseLine(QByteArrayView body)
{
    const qsizetype equals = body.indexOf('=');
    if (equals < 0)
        return TLine{};
    return TLine{{}, Folded(FromUtf8(body.first(equals)).trimmed()), FromUtf8(body.sliced(equals + 1)).trimmed(), true};
}

TProfileText::TLine TProfileText::EntryLine(const QString& key, const QString& value)
{
    return TLine{(key + QLatin1Char('=') + value).toUtf8(), Folded(key), value, true};
}

bool TProfileText::WriteTo(const std::function<bool(QByteArrayView piece)>& sink) const
{
    for (const TSection& section : FSections) {
        // The parsed lines of a section go out together.
        QByteArray lines;
        for (const TLine& line : section.Lines) {
            lines += line.Raw;
            lines += '\n';
        }
        if (!lines.isEmpty() && !sink(lines))
            return false;
        if (section.Tail.isEmpty())
            continue;
        if (!sink(section.Tail))
            return false;
        // ToBytes ends every line with a break, the file's last too.
        if (!section.Tail.endsWith('\n') && !sink("\n"))
            return false;
    }
    return true;
}

qsizetype TProfileText::ByteSize() const
{
    qsizetype size = 0;
    for (const TSection& section : FSections) {
        for (const TLine& line : section.Lines)
            size += line.Raw.size() + 1;
        size += section.Tail.size() + (!section.Tail.isEmpty() && !section.Tail.endsWith('\n') ? 1 : 0);
    }
    return size;
}

QByteArray TProfileText::ToBytes() const
{
    QByteArray bytes;
    bytes.reserve(ByteSize());
    WriteTo([&](QByteArrayView piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

void TProfileText::Reindex()
{
    FLastFound.reset();
    FSectionIndex.clear();
    for (int i = 0; i < int(FSections.size()); ++i) {
        const TSection& section = FSections[i];
        // The lines before the first header belong to no section; of equal names the first
        // counts.
        if (section.HasHeader && !FSectionIndex.contains(Folded(section.Name)))
            FSectionIndex.insert(Folded(section.Name), i);
        // A section not looked into yet is indexed when it is.
        if (section.Tail.isEmpty())
            Index(section);
    }
}

const TProfileText::TSection* TProfileText::Find(const QString& section) const
{
    if (FLastFound && FLastFound->first == section)
        return &FSections[FLastFound->second];
    const auto it = FSectionIndex.constFind(Folded(section));
    if (it == FSectionIndex.cend())
        return nullptr;
    FLastFound = std::make_pair(section, *it);
    return &FSections[*it];
}

bool TProfileText::HasSection(const QString& section) const
{
    return Find(section) != nullptr;
}

std::optional<QString> TProfileText::Value(const QString& section, const QString& key) const
{
    const TSection* found = Find(section);
    if (!found)
        return std::nullopt;
    Open(*found);
    const auto it = found->KeyIndex.constFind(Folded(key));
    if (it == found->KeyIndex.cend())
        return std::nullopt;
    return found->Lines[*it].Value;
}

QStringList TProfileText::SectionNames() const
{
    QStringList names;
    for (const TSection& section : FSections) {
        if (section.HasHeader)
            names.append(section.Name);
    }
    return names;
}

TProfileText::TSection& TProfileText::FindOrAdd(const QString& section)
{
    if (const TSection* found = Find(section)) {
        Open(*found);
        return FSections[found - FSections.data()];
    }
    TSection added;
    added.Name = section;
    added.HasHeader = true;
    added.Lines.push_back(TLine{HeaderLine(section), {}, {}, false});
    FSections.push_back(std::move(added));
    FSectionIndex.insert(Folded(section), int(FSections.size()) - 1);
    FLastFound.reset();
    return FSections.back();
}

void TProfileText::AddSection(const QString& section)
{
    FindOrAdd(section);
}

void TProfileText::SetValue(const QString& section, const QString& key, const QString& value)
{
    TSection& target = FindOrAdd(section);
    const QString folded = Folded(key);
    if (const auto it = target.KeyIndex.constFind(folded); it != target.KeyIndex.cend()) {
        target.Lines[*it] = EntryLine(key, value);
        return;
    }
    // After the last entry, so that comments and blank lines that close the section stay
    // where they were. No entry follows that place, so no index moves.
    const int at = target.LastEntry + 1;
    target.Lines.insert(target.Lines.begin() + at, EntryLine(key, value));
    target.LastEntry = at;
    target.KeyIndex.insert(folded, at);
}

QByteArray TProfileText::HeaderLine(const QString& section)
{
    return (QLatin1Char('[') + section + QLatin1Char(']')).toUtf8();
}

void TProfileText::ReplaceSections(const std::function<bool(const QString& name)>& test, const QString& section,
                                   const TEntryLines& entries)
{
    EraseSections(test);
    TSection added;
    added.Name = section;
    added.HasHeader = true;
    added.Lines.push_back(TLine{HeaderLine(section), {}, {}, false});
    if (!entries.HasEqualKeys()) {
        // The entries' lines are what they will be in the file: they wait as they are.
        added.Tail = entries.Bytes();
        added.TailBytes = entries.Bytes();
    } else {
        // SetValue keeps one line of equal keys: the first's place, the last's line.
        QHash<QString, int> places;
        EachLine(entries.Bytes(), false, [&](qsizetype, QByteArrayView raw, QByteArrayView body) {
            TLine line = ParseLine(body);
            line.Raw = raw.toByteArray();
            if (const auto place = places.constFind(line.Key); place != places.cend()) {
                added.Lines[*place] = std::move(line);
                return;
            }
            places.insert(line.Key, int(added.Lines.size()));
            added.Lines.push_back(std::move(line));
        });
    }
    FSections.push_back(std::move(added));
    Reindex();
}

void TEntryLines::Add(const QString& key, const QString& value)
{
    FBytes += key.toUtf8();
    FBytes += '=';
    FBytes += value.toUtf8();
    FBytes += '\n';
    FKeyHashes.push_back(qHash(TProfileText::Folded(key)));
}

bool TEntryLines::HasEqualKeys() const
{
    // Equal keys have equal hashes; keys of equal hashes are compared only when there are any.
    std::vector<std::size_t> hashes = FKeyHashes;
    std::sort(hashes.begin(), hashes.end());
    if (std::adjacent_find(hashes.begin(), hashes.end()) == hashes.end())
        return false;
    QSet<QString> keys;
    bool equal = false;
    EachLine(FBytes, false, [&](qsizetype, QByteArrayView, QByteArrayView body) {
        const QString key = TProfileText::Folded(FromUtf8(body.first(body.indexOf('='))).trimmed());
        equal = equal || keys.contains(key);
        keys.insert(key);
    });
    return equal;
}

void TProfileText::EraseSections(const std::function<bool(const QString& name)>& test)
{
    const auto erased = std::erase_if(FSections, [&](const TSection& section) {
        return section.HasHeader && test(section.Name);
    });
    if (erased > 0)
        Reindex();
}

} // namespace TarvoWidgets
