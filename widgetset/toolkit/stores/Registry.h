// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include "toolkit/stores/ProfileFile.h"

#include <QString>
#include <QStringList>

namespace TarvoWidgets {

/// The registry below the current user's root key, kept in one human-readable file. By default
/// that is the widget set's store, one file per user shared by every program that uses the
/// widgets (as the toolkit's registry is shared by every program of a user):
/// TarvoWidgets/registry.conf in the user's configuration folder as QStandardPaths gives it
/// ($XDG_CONFIG_HOME, else $HOME/.config). A program, or a test, can choose another file for
/// the whole process with SetStoreFile. Each key that holds values is a section named by its path below the root,
/// with "\" between the names; each value is a line "Name=data":
///
///     [Software\Tarvo\Gallery\HistoryBox]
///     HistoryCount=dword:2
///     History0="新しい方"
///     History1="古い \"方\""
///
/// "dword:" is followed by a signed 32-bit integer in decimal; a string is enclosed in double
/// quotes, with \\, \", \n and \r standing for a backslash, a quote, a line feed and a carriage
/// return. Key and value names compare without regard to letter case. A key exists when its
/// section does or a section below it does. Other lines (comments, lines of other forms) are
/// kept as they are.
///
/// As the toolkit's registry class: a current key, opened relative to the current key (or to
/// the root when the path starts with "\"), values read and written in it. Changes stay in this
/// object until CloseKey, which writes them all at once under the file's lock and replaces the
/// file in one step (see TProfileFile): a registry object destroyed without CloseKey — as when
/// an error stops a save half-way — leaves the file as it was.
class TARVOWIDGETS_EXPORT TRegistry {
public:
    enum TDataType { rdUnknown, rdString, rdInteger };

    /// The registry of the current user, in StoreFile().
    explicit TRegistry(TFileWriter writer = {});
    /// A registry kept in the given file (for tests and tools).
    explicit TRegistry(const QString& fileName, TFileWriter writer = {});

    /// The file that the registry of the current user is kept in: the one SetStoreFile chose,
    /// else DefaultFileName(). Raises an error naming the folder when that is a relative path
    /// (HOME set to one and XDG_CONFIG_HOME unset): the file would follow the current folder.
    static QString StoreFile();
    /// The widget set's store in the user's configuration folder.
    static QString DefaultFileName();
    /// Where the game kept the registry before the widget set had a store of its own; a store
    /// that does not exist yet starts as a copy of it, so that no stored history is left behind.
    static QString FormerFileName();
    /// Keeps the registry of the current user in fileName from now on, for the whole process;
    /// an empty name goes back to DefaultFileName().
    static void SetStoreFile(const QString& fileName);
    const QString& FileName() const { return FFile.Path(); }

    /// Opens key, creating it (and the keys above it) when missing and canCreate is set.
    /// False when the key is missing and may not be created, or the path is not a valid key
    /// (an empty name between separators, a name with "]" or a line break, or one that
    /// starts or ends with a blank); the current key then stays as it was.
    bool OpenKey(const QString& key, bool canCreate);
    bool KeyExists(const QString& key);
    /// Deletes key with everything below it; false when it does not exist. A path that names
    /// the root or no valid key deletes nothing.
    bool DeleteKey(const QString& key);
    /// Writes the changes to the file and returns to the root key; raises the write error
    /// naming the file.
    void CloseKey();
    /// The current key's path below the root, empty at the root.
    const QString& CurrentPath() const { return FCurrentPath; }

    bool ValueExists(const QString& name);
    TDataType GetDataType(const QString& name);
    /// The string, or an empty one when the value is missing. Raises the data-type error for a
    /// value that is not a string and the read error for one whose data cannot be read.
    QString ReadString(const QString& name);
    /// Raises the read error when the value is missing or cannot be read, the data-type error
    /// when it is not an integer.
    qint32 ReadInteger(const QString& name);
    /// Raise the write error when no key is open or the name cannot be stored (empty, with a
    /// line break or "=", starting with "[" or ";", or starting or ending with a blank).
    ///@{
    void WriteString(const QString& name, const QString& value);
    void WriteInteger(const QString& name, qint32 value);
    ///@}

    /// The values of a key written whole by ReplaceKey, in their order.
    class TARVOWIDGETS_EXPORT TKeyValues {
    public:
        /// Room for about this many bytes of values, for a key whose size is known.
        void Reserve(qsizetype bytes) { FLines.Reserve(bytes); }
        /// Raise the write error for a name that cannot be stored, as the writes of a key do.
        ///@{
        void WriteString(const QString& name, const QString& value);
        void WriteInteger(const QString& name, qint32 value);
        ///@}

    private:
        friend class TRegistry;
        void WriteRaw(const QString& name, const QString& data);
        TEntryLines FLines;
    };
    /// Replaces key (a path as OpenKey takes it), with every key below it, by a key that holds
    /// exactly the values, and makes it the current key: what DeleteKey, OpenKey(key, true) and
    /// then the writes do, in memory about the size of the file however many values it holds.
    /// False, changing nothing, when key is no valid path or names the root.
    bool ReplaceKey(const QString& key, TKeyValues values);

private:
    /// The full path of key below the root, or nothing when it is not a valid path.
    std::optional<QString> Resolve(const QString& key) const;
    /// Whether the key at this full path exists (the root always does).
    bool PathExists(const QString& path);
    std::optional<QString> RawValue(const QString& name);
    void WriteRaw(const QString& name, const QString& data);

    TProfileFile FFile;
    QString FCurrentPath;
    bool FKeyOpen = false;
};

} // namespace TarvoWidgets
