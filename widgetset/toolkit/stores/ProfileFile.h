// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include "toolkit/stores/ProfileText.h"

#include <QFileDevice>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace TarvoWidgets {

/// Writes the bytes to the device and says whether all of them got there. The default writes
/// them in one call; a test passes one that stops half-way to stand for a full disk or a crash.
using TFileWriter = std::function<bool(QFileDevice& out, const QByteArray& bytes)>;

/// A sectioned text file changed in transactions. Reads see the file as it was first read plus
/// the changes made since; changes stay in memory until Commit, which takes the file's lock,
/// reads the file afresh, applies the same changes to what is there now (so that another
/// program's changes made meanwhile survive), writes the result beside the file and renames it
/// over the old one. A commit that fails, or changes never committed, leave the old file whole.
class TARVOWIDGETS_EXPORT TProfileFile {
public:
    /// Files larger than this are refused rather than read into memory, and a commit that would
    /// make the file larger is refused before anything is written: a file this class wrote is
    /// always one it reads again.
    static constexpr qint64 MaxBytes = 32 * 1024 * 1024;
    /// How long a commit waits for another program to release the lock.
    static constexpr int LockTimeoutMs = 10000;

    explicit TProfileFile(QString path, TFileWriter writer = {});

    const QString& Path() const { return FPath; }

    /// The text as this transaction sees it. Reads the file on first use: a missing file reads
    /// as empty; one that cannot be read, is no regular file (a FIFO or a device, which could
    /// block the program for ever) or is larger than MaxBytes, raises the file-open error.
    const TProfileText& Text();
    /// Applies the change now and keeps it for the commit.
    void Change(std::function<void(TProfileText&)> change);
    /// Replaces the sections that the test picks by section with the entries (see
    /// TProfileText::ReplaceSections). The entries stay the bytes they will be in the file, and
    /// a commit writes the sections nobody looked into straight from the bytes it read, so that
    /// rewriting a section of many thousand entries costs about the size of the file.
    void ReplaceSections(std::function<bool(const QString& name)> test, const QString& section, TEntryLines entries);
    bool HasChanges() const { return !FChanges.empty(); }

    /// Writes the changes made since the last commit; nothing happens when there are none.
    /// Raises the write error naming the file when the lock, the write or the rename fails, and
    /// the too-large error when the result would exceed MaxBytes.
    /// A file that does not exist yet is created (its folder must exist).
    void Commit();
    /// Forgets the changes not yet committed.
    void Discard();

private:
    struct TARVOWIDGETS_EXPORT TReplacement {
        std::function<bool(const QString& name)> Test;
        QString Section;
        TEntryLines Entries;
    };
    /// One change: an edit of the parsed text, or a section replaced.
    struct TARVOWIDGETS_EXPORT TChange {
        std::function<void(TProfileText&)> Edit;
        std::shared_ptr<const TReplacement> Replacement;
        void ApplyTo(TProfileText& text) const;
    };

    static QByteArray ReadBytes(const QString& path);
    /// Writes the text beside the file and puts it in the file's place.
    void WriteAside(const TProfileText& text) const;

    QString FPath;
    TFileWriter FWriter;
    /// The text read, with every change applied; a replacement made before the first read is
    /// applied at that read.
    std::optional<TProfileText> FText;
    std::vector<TChange> FChanges;
};

} // namespace TarvoWidgets
