// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/stores/Registry.h"

#include "toolkit/stores/ProfileErrors_p.h"
#include "toolkit/stores/UserFolders.h"

#include <QDir>
#include <QFileInfo>

namespace TarvoWidgets {

namespace {

const QLatin1Char Separator('\\');
const QLatin1String IntegerPrefix("dword:");

bool IsBelow(const QString& foldedName, const QString& foldedKey)
{
    return foldedName.size() > foldedKey.size() && foldedName.startsWith(foldedKey)
        && foldedName[foldedKey.size()] == Separator;
}

// Picks the section of the key at path (folded) and those of the keys below it.
std::function<bool(const QString&)> KeyAndBelow(const QString& foldedPath)
{
    return [foldedPath](const QString& name) {
        const QString foldedName = TProfileText::Folded(name);
        return foldedName == foldedPath || IsBelow(foldedName, foldedPath);
    };
}

QString EncodeString(const QString& value)
{
    QString data = QStringLiteral("\"");
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': data += QLatin1String("\\\\"); break;
        case '"': data += QLatin1String("\\\""); break;
        case '\n': data += QLatin1String("\\n"); break;
        case '\r': data += QLatin1String("\\r"); break;
        default: data += c;
        }
    }
    return data + QLatin1Char('"');
}

// The type of a value by its data text.
TRegistry::TDataType TypeOf(const QString& data)
{
    if (data.startsWith(IntegerPrefix))
        return TRegistry::rdInteger;
    if (data.startsWith(QLatin1Char('"')))
        return TRegistry::rdString;
    return TRegistry::rdUnknown;
}

// The string a quoted data text stands for; nothing when the text is not well formed.
std::optional<QString> DecodeString(const QString& data)
{
    if (data.size() < 2 || !data.endsWith(QLatin1Char('"')))
        return std::nullopt;
    // Most strings hold neither escapes nor quotes: they are the text between the quotes.
    const QStringView inner = QStringView(data).sliced(1, data.size() - 2);
    if (!inner.contains(Separator) && !inner.contains(QLatin1Char('"')))
        return inner.toString();
    QString value;
    value.reserve(data.size());
    for (qsizetype i = 1; i < data.size() - 1; ++i) {
        const QChar c = data[i];
        if (c == QLatin1Char('"'))
            return std::nullopt;
        if (c != Separator) {
            value += c;
            continue;
        }
        if (++i >= data.size() - 1)
            return std::nullopt;
        switch (data[i].unicode()) {
        case '\\': value += Separator; break;
        case '"': value += QLatin1Char('"'); break;
        case 'n': value += QLatin1Char('\n'); break;
        case 'r': value += QLatin1Char('\r'); break;
        default: return std::nullopt;
        }
    }
    return value;
}

QString& ChosenStoreFile()
{
    static QString fileName;
    return fileName;
}

// A store that is missing starts as a copy of the former one, once; the former file stays.
void TakeOverFormerFile(const QString& fileName)
{
    const QString former = TRegistry::FormerFileName();
    if (QFileInfo::exists(fileName) || !QFileInfo(former).isFile())
        return;
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile::copy(former, fileName);
}

QString StoreFileTakingOverFormer()
{
    const QString fileName = TRegistry::StoreFile();
    if (ChosenStoreFile().isEmpty())
        TakeOverFormerFile(fileName);
    return fileName;
}

} // namespace

TRegistry::TRegistry(TFileWriter writer)
    : TRegistry(StoreFileTakingOverFormer(), std::move(writer))
{
}

TRegistry::TRegistry(const QString& fileName, TFileWriter writer)
    : FFile(fileName, std::move(writer))
{
}

QString TRegistry::StoreFile()
{
    return ChosenStoreFile().isEmpty() ? DefaultFileName() : ChosenStoreFile();
}

QString TRegistry::DefaultFileName()
{
    return UserConfigFolder(QStringLiteral("レジストリ")) + QStringLiteral("/TarvoWidgets/registry.conf");
}

QString TRegistry::FormerFileName()
{
    return UserConfigFolder(QStringLiteral("レジストリ")) + QStringLiteral("/tarvo/registry.conf");
}

void TRegistry::SetStoreFile(const QString& fileName)
{
    ChosenStoreFile() = fileName;
}

std::optional<QString> TRegistry::Resolve(const QString& key) const
{
    const bool fromRoot = key.startsWith(Separator);
    const QString relative = fromRoot ? key.mid(1) : key;
    if (relative.isEmpty())
        return fromRoot ? QString() : FCurrentPath;
    for (const QString& name : relative.split(Separator)) {
        if (!TProfileText::IsSectionName(name))
            return std::nullopt;
    }
    if (fromRoot || FCurrentPath.isEmpty())
        return relative;
    return FCurrentPath + Separator + relative;
}

bool TRegistry::KeyExists(const QString& key)
{
    const std::optional<QString> path = Resolve(key);
    return path && PathExists(*path);
}

bool TRegistry::PathExists(const QString& path)
{
    if (path.isEmpty() || FFile.Text().HasSection(path))
        return true;
    const QString folded = TProfileText::Folded(path);
    const QStringList names = FFile.Text().SectionNames();
    return std::any_of(names.cbegin(), names.cend(),
                       [&](const QString& name) { return IsBelow(TProfileText::Folded(name), folded); });
}

bool TRegistry::OpenKey(const QString& key, bool canCreate)
{
    const std::optional<QString> path = Resolve(key);
    if (!path)
        return false;
    if (!PathExists(*path)) {
        if (!canCreate)
            return false;
        const QString created = *path;
        FFile.Change([created](TProfileText& text) { text.AddSection(created); });
    }
    FCurrentPath = *path;
    FKeyOpen = true;
    return true;
}

bool TRegistry::DeleteKey(const QString& key)
{
    const std::optional<QString> path = Resolve(key);
    if (!path || path->isEmpty() || !PathExists(*path))
        return false;
    FFile.Change([below = KeyAndBelow(TProfileText::Folded(*path))](TProfileText& text) { text.EraseSections(below); });
    return true;
}

bool TRegistry::ReplaceKey(const QString& key, TKeyValues values)
{
    const std::optional<QString> path = Resolve(key);
    if (!path || path->isEmpty())
        return false;
    FFile.ReplaceSections(KeyAndBelow(TProfileText::Folded(*path)), *path, std::move(values.FLines));
    FCurrentPath = *path;
    FKeyOpen = true;
    return true;
}

void TRegistry::CloseKey()
{
    if (FFile.HasChanges())
        QDir().mkpath(QFileInfo(FFile.Path()).absolutePath());
    FFile.Commit();
    FCurrentPath.clear();
    FKeyOpen = false;
}

std::optional<QString> TRegistry::RawValue(const QString& name)
{
    if (FCurrentPath.isEmpty())
        return std::nullopt;
    return FFile.Text().Value(FCurrentPath, name);
}

bool TRegistry::ValueExists(const QString& name)
{
    return RawValue(name).has_value();
}

TRegistry::TDataType TRegistry::GetDataType(const QString& name)
{
    const std::optional<QString> data = RawValue(name);
    return data ? TypeOf(*data) : rdUnknown;
}

QString TRegistry::ReadString(const QString& name)
{
    const std::optional<QString> data = RawValue(name);
    if (!data)
        return QString();
    if (TypeOf(*data) != rdString)
        throw ProfileErrors::InvalidDataType(name);
    const std::optional<QString> value = DecodeString(*data);
    if (!value)
        throw ProfileErrors::GetFailed(name);
    return *value;
}

qint32 TRegistry::ReadInteger(const QString& name)
{
    const std::optional<QString> data = RawValue(name);
    if (!data)
        throw ProfileErrors::GetFailed(name);
    if (TypeOf(*data) != rdInteger)
        throw ProfileErrors::InvalidDataType(name);
    bool ok = false;
    const qint32 value = data->mid(IntegerPrefix.size()).toInt(&ok, 10);
    if (!ok)
        throw ProfileErrors::GetFailed(name);
    return value;
}

void TRegistry::WriteRaw(const QString& name, const QString& data)
{
    // Values belong to a key: the root holds none.
    if (!FKeyOpen || FCurrentPath.isEmpty() || !TProfileText::IsKeyName(name))
        throw ProfileErrors::SetFailed(name);
    const QString section = FCurrentPath;
    FFile.Change([=](TProfileText& text) { text.SetValue(section, name, data); });
}

void TRegistry::TKeyValues::WriteRaw(const QString& name, const QString& data)
{
    if (!TProfileText::IsKeyName(name))
        throw ProfileErrors::SetFailed(name);
    FLines.Add(name, data);
}

void TRegistry::TKeyValues::WriteString(const QString& name, const QString& value)
{
    WriteRaw(name, EncodeString(value));
}

void TRegistry::TKeyValues::WriteInteger(const QString& name, qint32 value)
{
    WriteRaw(name, IntegerPrefix + QString::number(value));
}

void TRegistry::WriteString(const QString& name, const QString& value)
{
    WriteRaw(name, EncodeString(value));
}

void TRegistry::WriteInteger(const QString& name, qint32 value)
{
    WriteRaw(name, IntegerPrefix + QString::number(value));
}

} // namespace TarvoWidgets
