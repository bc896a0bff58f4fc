// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include "toolkit/properties/Loadable.h"
#include "toolkit/stores/ProfileFile.h"

#include <QComboBox>
#include <QStringList>
#include <memory>

namespace TarvoWidgets {

class TIniFile;
class TRegistry;

/// An editable combo box that keeps a most-recently-used history of texts in its own item list,
/// newest first, and stores it in an INI file section or under a registry key (a section or
/// subkey holding "HistoryCount" and "History0", "History1", ...), so that it survives from one
/// run to the next. It can load the history by itself and save it by itself when it is
/// destroyed; SaveMode says which of the two run.
///
/// The automatic load and save in Qt. The toolkit loads a box read from a stored layout
/// (Loaded) and saves every box at destruction. Qt makes boxes in more ways (uic's setupUi, code),
/// and a save that ran without the load before it would write an empty list over the stored
/// history. So:
/// - The automatic load (hsAuto, hsAutoLoad) runs once: in Loaded for a box read from a stored
///   layout, otherwise when the box is first shown (uic's setupUi has set every property by
///   then). A show that finds neither SaveKeyName nor SaveFileName set loads nothing and leaves
///   the load to a later Loaded. An error of the load at the show cannot reach a caller: it
///   goes to the application's error handler.
/// - The automatic save at destruction runs in hsAutoSave (the owner loads, the box saves), and
///   in hsAuto only after the automatic load ran and succeeded.
/// - No automatic save runs, in any SaveMode, after the automatic load failed or after the
///   stored layout that made the box failed to read (ReadFailed): the stored history then stays
///   as it is.
///
/// The owner calls AddText when a text has been used (the gallery does it when Enter confirms
/// the edit text): the box itself inserts nothing while the user types, and list changes keep
/// the edit text as it is. The list has no maximum length and entries are kept whole, however
/// long (Qt's list holds them; only an INI file cuts a value on reading, see TIniFile).
///
/// Life cycle. The toolkit keeps the entries in the box's native window, which dies before the
/// box, so the box copies them into FHistoryCopy whenever that window is destroyed and its
/// automatic save reads the copy (FUseCopy). In Qt the entries live in the box's model, a child
/// that outlives the box's own destructor, so the one moment where they are about to go is the
/// start of that destructor: WMDestroy runs there, and the automatic save then reads the copy
/// taken a moment before. A box destroyed while its window still shows therefore saves its
/// current entries, and the copy, a plain member, lives until the destructor has finished.
///
/// What Qt's styling reaches: everything, as on any QComboBox (palette, font, style sheets);
/// the box draws nothing of its own.
///
/// Loads and saves. The forms with an argument do the work; the forms without use SaveFileName or
/// SaveKeyName and return false, doing nothing, when it is empty. Saves replace the stored history
/// in one step: one that fails leaves the previous history whole. Loads append the stored entries
/// to the list; one that fails adds nothing. An empty section name (no SaveSectionName and no Name)
/// is refused, so that nothing else under the file's or key's other sections is touched. A save of
/// more than MaxLoadCount entries or MaxSaveBytes bytes is refused before anything is written. An
/// INI value is one line: the file save writes each line break of an entry (CR LF, CR or LF) as one
/// blank, and keeps the entry; the registry keeps line breaks as they are.
class TARVOWIDGETS_EXPORT THistoryComboBox : public QComboBox, public TLoadable {
    Q_OBJECT
    // A layout stores the name once, as Qt's objectName.
    /// The toolkit's name of the box: Qt's objectName (a stored layout stores it once, as the
    /// widget's name). The history's section where SaveSectionName is empty.
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName STORED false DESIGNABLE false)
    /// Whether the entries are kept in alphabetical order (false by default). Loads then add at the
    /// sorted place; AddText still puts its text at the top.
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted NOTIFY SortedChanged)
    Q_CLASSINFO("Default:Sorted", "false")
    /// Which automatic load and save run: hsAuto (both, the default), hsAutoLoad, hsAutoSave or
    /// hsManual (neither; the program calls the loads and saves).
    Q_PROPERTY(THistoryMode SaveMode READ SaveMode WRITE WriteSaveMode NOTIFY SaveModeChanged)
    Q_CLASSINFO("Default:SaveMode", "hsAuto")
    /// The registry key that the history is kept under, empty for none. Where it is set, the
    /// automatic load and save use it, not SaveFileName.
    Q_PROPERTY(QString SaveKeyName READ SaveKeyName WRITE SetSaveKeyName NOTIFY SaveKeyNameChanged)
    Q_CLASSINFO("Default:SaveKeyName", "")
    /// The INI file that the history is kept in where SaveKeyName is empty; empty for none. See
    /// IniFileName for where a bare name goes.
    Q_PROPERTY(QString SaveFileName READ SaveFileName WRITE SetSaveFileName NOTIFY SaveFileNameChanged)
    Q_CLASSINFO("Default:SaveFileName", "")
    /// The INI section or registry subkey of the history; empty (the default) takes Name.
    Q_PROPERTY(QString SaveSectionName READ SaveSectionName WRITE SetSaveSectionName NOTIFY SaveSectionNameChanged)
    Q_CLASSINFO("Default:SaveSectionName", "")

public:
    /// Which automatic load (after being read from a stored layout) and save (at destruction)
    /// run, in stored order 0 to 3. Of fixed size, so that a number outside them written
    /// through Qt's property system reaches SetSaveMode's check as the number it is.
    enum THistoryMode : int { hsAuto, hsManual, hsAutoSave, hsAutoLoad };
    Q_ENUM(THistoryMode)

    /// The largest stored "HistoryCount" a load trusts. A person adds entries one at a time,
    /// so a real history stays far below it, while a corrupt or hostile count (two billion)
    /// would otherwise add that many empty entries and never end; at this bound a load takes
    /// about a fifth of a second (bench/HistoryBench.cpp). A larger count stops the load with
    /// an error before any entry is added.
    static constexpr int MaxLoadCount = 65536;
    /// The most UTF-8 bytes the entries of one saved history may hold together. A save checks
    /// both limits before it writes, so that whatever it writes a load reads back, and keeps one
    /// history to an eighth of the largest file the stores read, so that it cannot crowd the
    /// other histories and keys out of a shared file.
    static constexpr qint64 MaxSaveBytes = TProfileFile::MaxBytes / 8;

    explicit THistoryComboBox(QWidget* owner = nullptr);
    ~THistoryComboBox() override;

    bool Sorted() const;
    /// Sorts the entries when switched on; later loads add at the sorted place, AddText still
    /// at the top.
    void SetSorted(bool value);
    THistoryMode SaveMode() const;
    /// Refuses a value that is none of the modes (EToolkitError), keeping the old one.
    void SetSaveMode(THistoryMode value);
    QString SaveKeyName() const;
    void SetSaveKeyName(const QString& value);
    QString SaveFileName() const;
    void SetSaveFileName(const QString& value);
    QString SaveSectionName() const;
    void SetSaveSectionName(const QString& value);

    /// A box placed in a form designer stands for the box at run time: it neither loads nor
    /// saves by itself (the Designer plugin creates it so).
    bool Designing() const;
    void SetDesigning(bool value);

    /// The history, newest first.
    QStringList Items() const;

public Q_SLOTS:
    /// Puts text at the top of the history: true when it is new, false when it is empty or
    /// already there (found without regard to letter case, it moves to the top as it was
    /// written).
    bool AddText(const QString& text);
    /// AddText of the edit text.
    bool AddText();

public:

    void SaveToFile(const QString& fileName);
    bool SaveToFile();
    /// Trailing backslashes of key are dropped; a key made only of them is refused.
    void SaveToRegistry(const QString& key);
    bool SaveToRegistry();
    void LoadFromFile(const QString& fileName);
    bool LoadFromFile();
    /// Uses key as given (trailing backslashes make it an invalid key).
    void LoadFromRegistry(const QString& key);
    bool LoadFromRegistry();

    /// The section (INI section or registry subkey) of the history: SaveSectionName, or Name
    /// when that is empty.
    QString GetSectionString() const;

    /// The INI file that name stands for. On Linux "/" is the only folder separator: "\" and
    /// ":" are ordinary characters of a file name. A name without an extension (no "." after
    /// its last "/") gets ".ini" (a name ending in a dot keeps it and gets none), and a name
    /// without a folder part (no "/") is put in exeFolder.
    ///
    /// The saves and loads put such a bare name in the program's folder only where the user may
    /// write there; a program installed read-only keeps it in a folder named after the program
    /// in the user's configuration folder instead, reading the program folder's file until the
    /// first save makes the user's copy from it (see TProgramFile).
    static QString IniFileName(const QString& name, const QString& exeFolder);

    /// The automatic load of a box read from a stored layout.
    void Loaded() override;
    /// The stored layout that made the box failed to read: no automatic save.
    void ReadFailed() noexcept override;

    /// Each property X has a setter named as Qt names them, setX, so that the code uic makes of
    /// a form written without stdset="0" compiles. Each does what the property's own setter
    /// does, but a refused value is reported as a warning naming the property and keeps the
    /// value, as a write through Qt's property system is, since no exception may cross Qt's
    /// frames. (The properties' WRITE accessors keep the toolkit's names, so that Qt Designer
    /// and the stored-layout writer go on saving them with stdset="0", through setProperty,
    /// which also takes a system colour's name and an identifier without its class.)
    ///@{
    void setName(const QString& value) noexcept;
    void setSorted(bool value) noexcept;
    void setSaveMode(THistoryMode value) noexcept;
    void setSaveKeyName(const QString& value) noexcept;
    void setSaveFileName(const QString& value) noexcept;
    void setSaveSectionName(const QString& value) noexcept;
    ///@}

Q_SIGNALS:
    /// AddText changed the history: text is now its newest entry, new or moved up from further
    /// down (as it was written there). Emitted after the combo box's own signals of the change,
    /// with the edit text as it was; not emitted for an empty text or one already on top.
    void textAdded(const QString& text);
    /// The change signal of the property of its name (SortedChanged of Sorted, …), emitted on a
    /// real change only.
    ///@{
    void SortedChanged(bool value);
    void SaveModeChanged(TarvoWidgets::THistoryComboBox::THistoryMode value);
    void SaveKeyNameChanged(const QString& value);
    void SaveFileNameChanged(const QString& value);
    void SaveSectionNameChanged(const QString& value);
    ///@}

protected:
    /// The first show runs the automatic load of a box that no stored layout made.
    bool event(QEvent* event) override;
    /// The box's entries are about to go: copies them into FHistoryCopy.
    void WMDestroy();
    /// How the stores write their files; tests override it to interrupt a save.
    virtual TFileWriter FileWriter() const { return {}; }


private:
    /// SaveMode's write through Qt's property system: a refused value is told, never raised.
    void WriteSaveMode(THistoryMode value) noexcept;
    /// The forms without argument: action with value, unless value is empty.
    bool WithProperty(const QString& value, void (THistoryComboBox::*action)(const QString&));
    QString CheckedSection() const;
    /// The entries a save writes: FHistoryCopy while FUseCopy is set, else the list.
    QStringList SaveSource() const;
    /// Adds loaded entries at the end, or at their sorted place.
    void AddLoaded(const QStringList& entries);
    /// The automatic load, at most once; remembers whether it succeeded.
    void AutoLoad();
    bool LoadsAutomatically() const;
    bool SavesAutomatically() const;
    /// Refuses a source that a load would not read back whole; else the bytes that its lines
    /// take, about.
    static qint64 CheckSaveLimits(const QStringList& source);



private:
    struct Private;
    std::unique_ptr<Private> const d;
};

} // namespace TarvoWidgets
