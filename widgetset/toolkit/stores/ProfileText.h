// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace TarvoWidgets {

/// The entry lines of a section that is written whole ("Key=Value", each ending in a line
/// break), held as the bytes of the file, so that a section of many thousand entries costs about
/// what it takes on the disk. The caller has checked every name and value as for
/// TProfileText::SetValue.
class TARVOWIDGETS_EXPORT TEntryLines {
public:
    void Reserve(qsizetype bytes) { FBytes.reserve(bytes); }
    void Add(const QString& key, const QString& value);
    const QByteArray& Bytes() const { return FBytes; }
    /// Whether two of the keys are equal without regard to letter case.
    bool HasEqualKeys() const;

private:
    QByteArray FBytes;
    std::vector<std::size_t> FKeyHashes; // of the folded keys, to find equal ones cheaply
};

/// The text of a file in sections ("[Name]" headers, "Key=Value" lines), held in memory with
/// every line as it was read. Sections and keys are found without regard to letter case, the
/// first of several equal names wins, and whatever is not touched — other sections, comments,
/// unknown lines, bytes that are not valid UTF-8 — is written back byte for byte. Values are
/// the raw text after the first "=", with surrounding blanks removed; what they mean is the
/// caller's business (the INI file and the registry give them different forms).
///
/// A file is read in one pass that finds its sections; a section's lines are parsed in one pass
/// the first time a value of it is read or written, and every lookup is a hash probe, so a file
/// of many thousand lines, or one huge line, costs time in proportion to its size. The sections
/// nobody looks into stay the bytes that were read, and are written back from them.
class TARVOWIDGETS_EXPORT TProfileText {
public:
    static TProfileText Parse(const QByteArray& bytes);
    QByteArray ToBytes() const;

    bool HasSection(const QString& section) const;
    /// The value of key in the first section of that name, if there is one.
    std::optional<QString> Value(const QString& section, const QString& key) const;
    /// The names of every section, in the order of the file (the same name can occur twice).
    QStringList SectionNames() const;

    /// Adds the section at the end when it is missing.
    void AddSection(const QString& section);
    /// Replaces the first line of key in the first section of that name, or adds one after
    /// the section's last entry (the section is added at the end when missing). The caller
    /// has checked that neither name nor value breaks the line structure.
    void SetValue(const QString& section, const QString& key, const QString& value);
    /// Removes every section whose name satisfies the test, header and lines together.
    void EraseSections(const std::function<bool(const QString& name)>& test);

    /// Erases the sections that the test picks (section itself among them) and adds section at
    /// the end with the entries in their order: what EraseSections and then SetValue of each
    /// entry give. Of keys equal without regard to case, the first's place holds the last's line.
    void ReplaceSections(const std::function<bool(const QString& name)>& test, const QString& section,
                         const TEntryLines& entries);
    /// The size of ToBytes, and its bytes handed out in pieces, in order: what was read and has
    /// not been looked into goes out as it came, without being copied. False as soon as the
    /// sink refuses a piece.
    qsizetype ByteSize() const;
    bool WriteTo(const std::function<bool(QByteArrayView piece)>& sink) const;
    /// The header line of a section (without its line break).
    static QByteArray HeaderLine(const QString& section);

    /// Whether a name can be written without breaking the line structure: a section name must
    /// not be empty, hold a line break or "]", or start or end with a blank; a key name must not
    /// be empty, hold a line break or "=", start with "[" or ";", or start or end with a blank.
    static bool IsSectionName(const QString& name);
    static bool IsKeyName(const QString& name);
    static bool HasLineBreak(const QString& text);
    static bool HasOuterBlank(const QString& text);

    /// Names compare without regard to letter case, on the case-folded form.
    static QString Folded(QString name) { return std::move(name).toCaseFolded(); }

private:
    struct TARVOWIDGETS_EXPORT TLine {
        QByteArray Raw;
        QString Key;    // folded; empty for a line that holds no entry
        QString Value;
        bool IsEntry = false;
    };
    /// A section's lines are parsed at the first look into them (a value read or written):
    /// until then the bytes of those after the parsed ones stay as they were read, in Tail, so
    /// that reading or rewriting a file costs little for the sections nobody looks into.
    struct TARVOWIDGETS_EXPORT TSection {
        QString Name;
        bool HasHeader = false; // false only for the lines before the first header
        mutable std::vector<TLine> Lines;
        mutable QHash<QString, int> KeyIndex; // folded key -> first line holding it
        mutable int LastEntry = 0;            // the last line holding an entry; 0, the header, when none
        /// The lines not parsed yet: whole lines, each ending in a break but perhaps the file's
        /// last, in the bytes that TailBytes shares (the file's or a replacement's, not copied).
        /// Once parsed, the lines' Raw still lie in TailBytes.
        mutable QByteArrayView Tail;
        mutable QByteArray TailBytes;
        /// Tail starts the file, where a byte-order mark is no part of the first line's text.
        mutable bool TailStartsFile = false;
    };
    /// Parses the section's tail, if any, and indexes its keys.
    static void Open(const TSection& section);
    static void Index(const TSection& section);
    /// The section of that name, its lines parsed.
    TSection* FindOpen(const QString& section);

    static TLine ParseLine(QByteArrayView body);
    /// The name of the section that a line (its break and any carriage return removed) opens,
    /// or nothing when it is no header.
    static std::optional<QString> HeaderName(QByteArrayView body);
    static TLine EntryLine(const QString& key, const QString& value);
    const TSection* Find(const QString& section) const;
    TSection& FindOrAdd(const QString& section);
    void Reindex();

    std::vector<TSection> FSections;
    QHash<QString, int> FSectionIndex; // folded name -> first section of that name
    /// The name last looked up and the section found, as a reader asks for one section's
    /// values one after the other; forgotten whenever the sections change.
    mutable std::optional<std::pair<QString, int>> FLastFound;
};

} // namespace TarvoWidgets
