#include "toolkit/ProfileText.h"

#include <QStringDecoder>

namespace TarvoWidgets {

namespace {

// A UTF-8 byte-order mark that an editor may have put at the start of the file; it stays in
// the first line's bytes but is no part of its text.
constexpr char Bom[] = "\xEF\xBB\xBF";

// The text of UTF-8 bytes, a leading U+FEFF included: QString::fromUtf8 takes it for a
// byte-order mark and drops it, which would change a name or value that starts with one.
QString FromUtf8(QByteArrayView bytes)
{
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

TProfileText TProfileText::Parse(const QByteArray& bytes)
{
    TProfileText text;
    text.FSections.push_back(TSection{});
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArray raw = bytes.mid(start, end - start);
        start = end + 1;

        QByteArray body = raw.endsWith('\r') ? raw.chopped(1) : raw;
        if (text.FSections.size() == 1 && text.FSections.front().Lines.empty() && body.startsWith(Bom))
            body.remove(0, 3);
        const QByteArray trimmed = body.trimmed();
        const qsizetype close = trimmed.indexOf(']');
        if (trimmed.startsWith('[') && close > 0) {
            TSection section;
            section.Name = FromUtf8(trimmed.mid(1, close - 1)).trimmed();
            section.HasHeader = true;
            section.Lines.push_back(TLine{raw, {}, {}, false});
            text.FSections.push_back(std::move(section));
            continue;
        }
        TLine line = ParseLine(body);
        line.Raw = std::move(raw);
        text.FSections.back().Lines.push_back(std::move(line));
    }
    text.Reindex();
    return text;
}

TProfileText::TLine TProfileText::ParseLine(const QByteArray& body)
{
    const qsizetype equals = body.indexOf('=');
    if (equals < 0)
        return TLine{};
    return TLine{{}, Folded(FromUtf8(body.left(equals)).trimmed()), FromUtf8(body.mid(equals + 1)).trimmed(), true};
}

TProfileText::TLine TProfileText::EntryLine(const QString& key, const QString& value)
{
    return TLine{(key + QLatin1Char('=') + value).toUtf8(), Folded(key), value, true};
}

QByteArray TProfileText::ToBytes() const
{
    QByteArray bytes;
    for (const TSection& section : FSections) {
        for (const TLine& line : section.Lines) {
            bytes += line.Raw;
            bytes += '\n';
        }
    }
    return bytes;
}

void TProfileText::Reindex()
{
    FSectionIndex.clear();
    for (int i = 0; i < int(FSections.size()); ++i) {
        TSection& section = FSections[i];
        // The lines before the first header belong to no section; of equal names the first
        // counts.
        if (section.HasHeader && !FSectionIndex.contains(Folded(section.Name)))
            FSectionIndex.insert(Folded(section.Name), i);
        section.KeyIndex.clear();
        section.LastEntry = 0;
        for (int j = 0; j < int(section.Lines.size()); ++j) {
            if (!section.Lines[j].IsEntry)
                continue;
            section.LastEntry = j;
            if (!section.KeyIndex.contains(section.Lines[j].Key))
                section.KeyIndex.insert(section.Lines[j].Key, j);
        }
    }
}

const TProfileText::TSection* TProfileText::Find(const QString& section) const
{
    const auto it = FSectionIndex.constFind(Folded(section));
    return it == FSectionIndex.cend() ? nullptr : &FSections[*it];
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
    if (const TSection* found = Find(section))
        return FSections[found - FSections.data()];
    TSection added;
    added.Name = section;
    added.HasHeader = true;
    added.Lines.push_back(TLine{(QLatin1Char('[') + section + QLatin1Char(']')).toUtf8(), {}, {}, false});
    FSections.push_back(std::move(added));
    FSectionIndex.insert(Folded(section), int(FSections.size()) - 1);
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

void TProfileText::EraseSections(const std::function<bool(const QString& name)>& test)
{
    const auto erased = std::erase_if(FSections, [&](const TSection& section) {
        return section.HasHeader && test(section.Name);
    });
    if (erased > 0)
        Reindex();
}

} // namespace TarvoWidgets
