// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "widgets/HistoryComboBox.h"

#include "toolkit/base/ChangeNotify.h"
#include "toolkit/application/ErrorBoundary.h"
#include "toolkit/base/ToolkitError.h"
#include "toolkit/properties/PropertyWrite.h"
#include "toolkit/stores/IniFile.h"
#include "toolkit/stores/ProfileErrors.h"
#include "toolkit/stores/ProgramFile.h"
#include "toolkit/stores/Registry.h"

#include <QEvent>
#include <QRegularExpression>
#include <algorithm>

namespace TarvoWidgets {

struct THistoryComboBox::Private {
    QStringList FHistoryCopy;
    bool FUseCopy = false;
    // The automatic load has run (or a layout's Loaded is past); it succeeded; the layout that
    // made the box failed, so no automatic save may run.
    bool FAutoLoadDone = false;
    bool FAutoLoadSucceeded = false;
    bool FLayoutFailed = false;
    THistoryMode FSaveMode = hsAuto;
    QString FSaveKeyName;
    QString FSaveFileName;
    QString FSaveSectionName;
    bool FSorted = false;
    bool FDesigning = false;
};

bool THistoryComboBox::Sorted() const
{
    return d->FSorted;
}

THistoryComboBox::THistoryMode THistoryComboBox::SaveMode() const
{
    return d->FSaveMode;
}

QString THistoryComboBox::SaveKeyName() const
{
    return d->FSaveKeyName;
}

QString THistoryComboBox::SaveFileName() const
{
    return d->FSaveFileName;
}

QString THistoryComboBox::SaveSectionName() const
{
    return d->FSaveSectionName;
}

bool THistoryComboBox::Designing() const
{
    return d->FDesigning;
}

void THistoryComboBox::SetDesigning(bool value)
{
    d->FDesigning = value;
}

bool THistoryComboBox::LoadsAutomatically() const
{
    return d->FSaveMode == hsAuto || d->FSaveMode == hsAutoLoad;
}

namespace {

const QString CountName = QStringLiteral("HistoryCount");
const QLatin1Char Backslash('\\');

QString EntryName(int index)
{
    return QStringLiteral("History") + QString::number(index);
}

// The names of the entries in their order, made in one string that each step changes in place
// (a load or save of many thousand entries would otherwise make two strings for each). Names
// are found without regard to case: in their folded form the lookup makes no folded copy of
// them, for a reader whose errors do not show the name.
class TEntryNames {
public:
    enum TSpelling { AsStored, Folded };
    explicit TEntryNames(TSpelling spelling)
        : FName(spelling == AsStored ? QStringLiteral("History") : QStringLiteral("history"))
    {
    }

    const QString& operator()(int index)
    {
        FName.truncate(PrefixSize);
        char digits[12];
        int at = sizeof digits;
        unsigned value = unsigned(index);
        do {
            digits[--at] = char('0' + value % 10);
            value /= 10;
        } while (value != 0);
        FName.append(QLatin1StringView(digits + at, qsizetype(sizeof digits) - at));
        return FName;
    }

private:
    static constexpr qsizetype PrefixSize = 7;
    QString FName;
};

bool LessIgnoringCase(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

// An INI value is one line: each line break of an entry becomes one blank.
QString OneLine(const QString& entry)
{
    if (!TProfileText::HasLineBreak(entry))
        return entry;
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\r|\\n"));
    return QString(entry).replace(lineBreak, QStringLiteral(" "));
}

EToolkitError CountTooLarge(qint64 count)
{
    return EToolkitError(QStringLiteral("履歴の件数 %1 が上限の %2 を超えています")
                             .arg(count)
                             .arg(THistoryComboBox::MaxLoadCount));
}

// Qt moves the current item, and with it the edit text, when items come and go (the first item
// of an empty box becomes current). The box's list changes leave what the user is typing alone,
// and where the edit text is no longer the current entry's, no entry is current, so that the
// Down key starts at the newest one.
class TEditTextKeeper {
public:
    explicit TEditTextKeeper(QComboBox& box) : FBox(box), FText(box.currentText()) {}
    ~TEditTextKeeper()
    {
        const int current = FBox.currentIndex();
        if (FBox.currentText() == FText && (current < 0 || FBox.itemText(current) == FText))
            return;
        FBox.setCurrentIndex(-1);
        FBox.setEditText(FText);
    }

private:
    QComboBox& FBox;
    QString FText;
};

enum TFileUse { ForReading, ForWriting };

// The INI file of a history saved under name. A bare name is the program's file, kept beside
// the executable where the user may write there and in the user's folder for the program where
// not (TProgramFile), so that a program installed read-only keeps its users' histories.
QString HistoryFile(const QString& name, TFileUse use)
{
    if (name.contains(QLatin1Char('/')))
        return THistoryComboBox::IniFileName(name, QString());
    const TProgramFile::TPlaces places = TProgramFile::Current();
    const QString bare = THistoryComboBox::IniFileName(name, places.ProgramFolder).mid(places.ProgramFolder.size() + 1);
    return use == ForWriting ? TProgramFile::ForWriting(bare, places) : TProgramFile::ForReading(bare, places);
}

} // namespace

THistoryComboBox::THistoryComboBox(QWidget* owner)
    : QComboBox(owner)
    , d(std::make_unique<Private>())
{
    setEditable(true);
    // Only AddText changes the history; Qt's own insert on Enter would add at the bottom.
    setInsertPolicy(QComboBox::NoInsert);
}

THistoryComboBox::~THistoryComboBox()
{
    WMDestroy();
    if (!SavesAutomatically())
        return;
    d->FUseCopy = true;
    // A destructor cannot pass an error on: the failed save is reported on the log and the
    // previous history stays whole.
    try {
        if (!SaveToRegistry())
            SaveToFile();
    } catch (const EToolkitError& error) {
        qWarning("%s", error.what());
    } catch (const std::exception& error) {
        qWarning("%s", error.what());
    }
}

bool THistoryComboBox::SavesAutomatically() const
{
    if (d->FDesigning || d->FLayoutFailed)
        return false;
    // In hsAuto the save writes back what the load read, with the session's changes: without
    // the load it would replace the stored history with the session's entries alone.
    return d->FSaveMode == hsAutoSave || (d->FSaveMode == hsAuto && d->FAutoLoadSucceeded);
}

void THistoryComboBox::WMDestroy()
{
    d->FHistoryCopy = Items();
}

void THistoryComboBox::SetSorted(bool value)
{
    if (d->FSorted == value)
        return;
    d->FSorted = value;
    if (d->FSorted) {
        QStringList entries = Items();
        std::stable_sort(entries.begin(), entries.end(), LessIgnoringCase);
        TEditTextKeeper keeper(*this);
        clear();
        addItems(entries);
    }
    Q_EMIT SortedChanged(d->FSorted);
}

void THistoryComboBox::SetSaveMode(THistoryMode value)
{
    if (value < hsAuto || value > hsAutoLoad)
        throw EToolkitError::InvalidPropertyValue();
    StoreChanged(this, d->FSaveMode, value, &THistoryComboBox::SaveModeChanged);
}

void THistoryComboBox::setSaveMode(THistoryMode value) noexcept
{
    WriteProperty(this, "SaveMode", value, &THistoryComboBox::SetSaveMode);
}

void THistoryComboBox::SetSaveKeyName(const QString& value)
{
    StoreChanged(this, d->FSaveKeyName, value, &THistoryComboBox::SaveKeyNameChanged);
}

void THistoryComboBox::SetSaveFileName(const QString& value)
{
    StoreChanged(this, d->FSaveFileName, value, &THistoryComboBox::SaveFileNameChanged);
}

void THistoryComboBox::SetSaveSectionName(const QString& value)
{
    StoreChanged(this, d->FSaveSectionName, value, &THistoryComboBox::SaveSectionNameChanged);
}

QStringList THistoryComboBox::Items() const
{
    QStringList items;
    items.reserve(count());
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    return items;
}

bool THistoryComboBox::AddText(const QString& text)
{
    if (text.isEmpty())
        return false;
    QString newest; // the entry that AddText put on top, if any
    bool isNew = true;
    {
        TEditTextKeeper keeper(*this);
        for (int i = 0; i < count() && isNew; ++i) {
            if (QString::compare(itemText(i), text, Qt::CaseInsensitive) != 0)
                continue;
            isNew = false;
            if (i > 0) {
                newest = itemText(i);
                removeItem(i);
                insertItem(0, newest);
            }
        }
        if (isNew) {
            newest = text;
            insertItem(0, text);
        }
    }
    if (!newest.isNull())
        Q_EMIT textAdded(newest);
    return isNew;
}

bool THistoryComboBox::AddText()
{
    return AddText(currentText());
}

bool THistoryComboBox::WithProperty(const QString& value, void (THistoryComboBox::*action)(const QString&))
{
    if (value.isEmpty())
        return false;
    (this->*action)(value);
    return true;
}

QString THistoryComboBox::GetSectionString() const
{
    return d->FSaveSectionName.isEmpty() ? objectName() : d->FSaveSectionName;
}

qint64 THistoryComboBox::CheckSaveLimits(const QStringList& source)
{
    if (source.size() > MaxLoadCount)
        throw CountTooLarge(source.size());
    qint64 bytes = 0;
    for (const QString& entry : source)
        bytes += entry.toUtf8().size();
    if (bytes > MaxSaveBytes)
        throw EToolkitError(QStringLiteral("履歴の大きさ %1 バイトが上限の %2 バイトを超えています").arg(bytes).arg(MaxSaveBytes));
    // The lines' room: the entries, and for each its name, "=", the quotes a value may take and
    // the line break.
    return bytes + source.size() * (EntryName(MaxLoadCount).size() + 4) + 64;
}

QString THistoryComboBox::CheckedSection() const
{
    const QString section = GetSectionString();
    if (section.isEmpty())
        throw ProfileErrors::SectionNameInvalid(section);
    return section;
}

QStringList THistoryComboBox::SaveSource() const
{
    return d->FUseCopy ? d->FHistoryCopy : Items();
}

void THistoryComboBox::AddLoaded(const QStringList& entries)
{
    TEditTextKeeper keeper(*this);
    if (!d->FSorted) {
        // At the end, in their order: all in one step.
        insertItems(count(), entries);
        return;
    }
    for (const QString& entry : entries) {
        // After the entries that sort equal, by halving; on a list that AddText has put out of
        // order the place is still well defined.
        int at = count();
        int low = 0;
        while (low < at) {
            const int mid = (low + at) / 2;
            if (LessIgnoringCase(entry, itemText(mid)))
                at = mid;
            else
                low = mid + 1;
        }
        insertItem(at, entry);
    }
}

QString THistoryComboBox::IniFileName(const QString& name, const QString& exeFolder)
{
    QString path = name;
    if (!path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).contains(QLatin1Char('.')))
        path += QStringLiteral(".ini");
    if (!path.contains(QLatin1Char('/')))
        path = exeFolder + QLatin1Char('/') + path;
    return path;
}

void THistoryComboBox::SaveToFile(const QString& fileName)
{
    const QString section = CheckedSection();
    const QStringList source = SaveSource();
    TIniFile::TSectionEntries entries;
    entries.Reserve(CheckSaveLimits(source));
    entries.WriteString(CountName, QString::number(source.size()));
    TEntryNames name(TEntryNames::AsStored);
    for (int i = 0; i < source.size(); ++i)
        entries.WriteString(name(i), OneLine(source[i]));
    TIniFile ini(HistoryFile(fileName, ForWriting), FileWriter());
    ini.ReplaceSection(section, std::move(entries));
    ini.UpdateFile();
}

bool THistoryComboBox::SaveToFile()
{
    return WithProperty(d->FSaveFileName, &THistoryComboBox::SaveToFile);
}

void THistoryComboBox::SaveToRegistry(const QString& key)
{
    if (key.isEmpty())
        return;
    QString path = key;
    while (path.endsWith(Backslash))
        path.chop(1);
    // A key made only of backslashes names the root itself, where the section's siblings
    // are other programs' keys.
    if (path.isEmpty())
        throw ProfileErrors::KeyCreateFailed(key);
    const QString section = CheckedSection();
    // A section that starts with a backslash would name a key from the root, not below this one.
    if (section.startsWith(Backslash))
        throw ProfileErrors::KeyCreateFailed(section);
    const QStringList source = SaveSource();
    TRegistry::TKeyValues values;
    values.Reserve(CheckSaveLimits(source));
    values.WriteInteger(CountName, qint32(source.size()));
    TEntryNames name(TEntryNames::AsStored);
    for (int i = 0; i < source.size(); ++i)
        values.WriteString(name(i), source[i]);
    // Nothing reaches the file before CloseKey, so every refusal below leaves it as it was.
    TRegistry reg(FileWriter());
    if (!reg.OpenKey(path, true))
        throw ProfileErrors::KeyCreateFailed(path);
    if (!reg.ReplaceKey(section, std::move(values)))
        throw ProfileErrors::KeyCreateFailed(section);
    reg.CloseKey();
}

bool THistoryComboBox::SaveToRegistry()
{
    return WithProperty(d->FSaveKeyName, &THistoryComboBox::SaveToRegistry);
}

void THistoryComboBox::LoadFromFile(const QString& fileName)
{
    const QString section = CheckedSection();
    TIniFile ini(HistoryFile(fileName, ForReading), FileWriter());
    const QString countText = ini.ReadString(section, CountName, QStringLiteral("0"));
    bool ok = false;
    const int count = countText.trimmed().toInt(&ok, 10);
    if (!ok)
        throw ProfileErrors::NotAnInteger(countText);
    if (count > MaxLoadCount)
        throw CountTooLarge(count);
    QStringList entries;
    entries.reserve(std::max(count, 0));
    TEntryNames name(TEntryNames::Folded);
    for (int i = 0; i < count; ++i)
        entries.append(ini.ReadString(section, name(i), QString()));
    AddLoaded(entries);
}

bool THistoryComboBox::LoadFromFile()
{
    return WithProperty(d->FSaveFileName, &THistoryComboBox::LoadFromFile);
}

void THistoryComboBox::LoadFromRegistry(const QString& key)
{
    if (key.isEmpty())
        return;
    const QString section = CheckedSection();
    TRegistry reg(FileWriter());
    if (!reg.OpenKey(key, true))
        throw ProfileErrors::KeyCreateFailed(key);
    QStringList entries;
    if (!section.startsWith(Backslash) && reg.OpenKey(section, false) && reg.ValueExists(CountName)) {
        qint64 count = 0;
        switch (reg.GetDataType(CountName)) {
        case TRegistry::rdInteger:
            count = reg.ReadInteger(CountName);
            break;
        case TRegistry::rdString:
            // A count stored as text that is no integer counts as none.
            count = reg.ReadString(CountName).trimmed().toInt();
            break;
        default:
            throw ProfileErrors::InvalidDataType(CountName);
        }
        if (count > MaxLoadCount)
            throw CountTooLarge(count);
        TEntryNames name(TEntryNames::AsStored);
        for (int i = 0; i < count; ++i)
            entries.append(reg.ReadString(name(i)));
    }
    reg.CloseKey(); // keeps the key that opening created
    AddLoaded(entries);
}

bool THistoryComboBox::LoadFromRegistry()
{
    return WithProperty(d->FSaveKeyName, &THistoryComboBox::LoadFromRegistry);
}

void THistoryComboBox::Loaded()
{
    TLoadable::Loaded();
    if (!d->FAutoLoadDone)
        AutoLoad();
}

void THistoryComboBox::ReadFailed() noexcept
{
    d->FLayoutFailed = true;
}

void THistoryComboBox::AutoLoad()
{
    d->FAutoLoadDone = true;
    if (d->FDesigning || !LoadsAutomatically())
        return;
    // A load that fails leaves d->FAutoLoadSucceeded clear: what the box holds is not the stored
    // history, and the automatic save, which would replace it, does not run.
    if (!LoadFromRegistry())
        LoadFromFile();
    d->FAutoLoadSucceeded = true;
}

bool THistoryComboBox::event(QEvent* event)
{
    // At the first show of a box that no stored layout made (uic's setupUi, code): its
    // properties are set by then. (Qt polishes a combo box already in its constructor, so the
    // polish comes too early.) A box whose store is not named yet leaves the load to a later
    // Loaded.
    if (event->type() == QEvent::Show && !d->FAutoLoadDone && (!d->FSaveKeyName.isEmpty() || !d->FSaveFileName.isEmpty()))
        RunGuarded([this] { AutoLoad(); });
    return QComboBox::event(event);
}

void THistoryComboBox::setName(const QString& value) noexcept
{
    setObjectName(value);
}

void THistoryComboBox::setSorted(bool value) noexcept
{
    WriteProperty(this, "Sorted", value, &THistoryComboBox::SetSorted);
}

void THistoryComboBox::setSaveKeyName(const QString& value) noexcept
{
    WriteProperty(this, "SaveKeyName", value, &THistoryComboBox::SetSaveKeyName);
}

void THistoryComboBox::setSaveFileName(const QString& value) noexcept
{
    WriteProperty(this, "SaveFileName", value, &THistoryComboBox::SetSaveFileName);
}

void THistoryComboBox::setSaveSectionName(const QString& value) noexcept
{
    WriteProperty(this, "SaveSectionName", value, &THistoryComboBox::SetSaveSectionName);
}

void THistoryComboBox::WriteSaveMode(THistoryMode value) noexcept
{
    setSaveMode(value);
}

} // namespace TarvoWidgets
