#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace TarvoWidgets {

/// The text of a file in sections ("[Name]" headers, "Key=Value" lines), held in memory with
/// every line as it was read. Sections and keys are found without regard to letter case, the
/// first of several equal names wins, and whatever is not touched — other sections, comments,
/// unknown lines, bytes that are not valid UTF-8 — is written back byte for byte. Values are
/// the raw text after the first "=", with surrounding blanks removed; what they mean is the
/// caller's business (the INI file and the registry give them different forms).
///
/// A file is parsed in one pass and every lookup is a hash probe, so a file of many thousand
/// lines, or one huge line, costs time in proportion to its size.
class TProfileText {
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

    /// Whether a name can be written without breaking the line structure: a section name must
    /// not be empty, hold a line break or "]", or start or end with a blank; a key name must not
    /// be empty, hold a line break or "=", start with "[" or ";", or start or end with a blank.
    static bool IsSectionName(const QString& name);
    static bool IsKeyName(const QString& name);
    static bool HasLineBreak(const QString& text);
    static bool HasOuterBlank(const QString& text);

    /// Names compare without regard to letter case, on the case-folded form.
    static QString Folded(const QString& name) { return name.toCaseFolded(); }

private:
    struct TLine {
        QByteArray Raw;
        QString Key;    // folded; empty for a line that holds no entry
        QString Value;
        bool IsEntry = false;
    };
    struct TSection {
        QString Name;
        bool HasHeader = false; // false only for the lines before the first header
        std::vector<TLine> Lines;
        QHash<QString, int> KeyIndex; // folded key -> first line holding it
        int LastEntry = 0;            // the last line holding an entry; 0, the header, when none
    };

    static TLine ParseLine(const QByteArray& raw);
    static TLine EntryLine(const QString& key, const QString& value);
    const TSection* Find(const QString& section) const;
    TSection& FindOrAdd(const QString& section);
    void Reindex();

    std::vector<TSection> FSections;
    QHash<QString, int> FSectionIndex; // folded name -> first section of that name
};

} // namespace TarvoWidgets
