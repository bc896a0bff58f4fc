// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include "toolkit/stores/ProfileFile.h"

#include <QString>

namespace TarvoWidgets {

/// An INI file with the profile semantics that the widgets rely on: sections and keys are
/// found without regard to letter case, a write changes one line and leaves everything else in
/// the file as it was (other sections and keys, comments, unknown lines), a section can be
/// erased whole, and the file is created on its first write. Entries are written as UTF-8.
///
/// Changes are kept until UpdateFile, which replaces the file in one step (see TProfileFile):
/// a failed or interrupted update leaves the previous file whole, and an object destroyed
/// without UpdateFile changes nothing.
///
/// Values keep their blanks: one that starts or ends with a blank, or is itself enclosed in
/// double quotes, is written enclosed in double quotes, and a value read back loses one pair
/// of enclosing quotes, as profile readers do.
class TARVOWIDGETS_EXPORT TIniFile {
public:
    /// A value read back is cut to at most this many bytes of UTF-8 (the profile reader's
    /// buffer of 2048 bytes with its closing zero); the cut falls before the character that
    /// would not fit whole, never inside one.
    static constexpr int MaxValueBytes = 2047;

    explicit TIniFile(const QString& fileName, TFileWriter writer = {});

    const QString& FileName() const { return FFile.Path(); }

    /// The value of key in section, or defaultValue when either is missing.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue);
    bool SectionExists(const QString& section);

    /// Raises the name errors for a section or key that would break the line structure, and the
    /// line-break error for a value with a line break.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void EraseSection(const QString& section);

    /// The entries of a section written whole by ReplaceSection, in their order.
    class TARVOWIDGETS_EXPORT TSectionEntries {
    public:
        /// Room for about this many bytes of entries, for a section whose size is known.
        void Reserve(qsizetype bytes) { FLines.Reserve(bytes); }
        /// Raises the errors of WriteString for the key and the value.
        void WriteString(const QString& key, const QString& value);

    private:
        friend class TIniFile;
        TEntryLines FLines;
    };
    /// Replaces section by one at the end of the file that holds the entries: what EraseSection
    /// and then WriteString of each entry do, in memory about the size of the file however
    /// many entries it holds. Raises the name error for a section that would break the line
    /// structure.
    void ReplaceSection(const QString& section, TSectionEntries entries);
    /// Writes the changes to the file; raises the write error naming the file.
    void UpdateFile();

    /// The text cut to at most maxBytes bytes of UTF-8, at a character boundary.
    static QString CutToBytes(const QString& text, int maxBytes);

private:
    /// The value as the file holds it, for a key and value checked as WriteString checks them.
    static QString StoredValue(const QString& key, const QString& value);

    TProfileFile FFile;
};

} // namespace TarvoWidgets
