// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/stores/ProfileFile.h"

#include "toolkit/stores/ProfileErrors_p.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TarvoWidgets {

TProfileFile::TProfileFile(QString path, TFileWriter writer)
    : FPath(std::move(path)), FWriter(std::move(writer))
{
}

namespace {

// Opens the regular file at path for reading; -1 when it is missing. Anything else at the path
// (a FIFO would block the open and every read for ever, a device has effects of its own) is
// refused: the type is checked before opening and again on the descriptor, which is opened
// non-blocking, so that one swapped in between cannot make the program wait either.
int OpenRegularFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) {
        if (errno == ENOENT)
            return -1;
        throw EToolkitError::FileOpen(path);
    }
    if (!S_ISREG(status.st_mode))
        throw EToolkitError::FileOpen(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        throw EToolkitError::FileOpen(path);
    }
    return fd;
}

} // namespace

QByteArray TProfileFile::ReadBytes(const QString& path)
{
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return {};
    QFile file;
    // Unbuffered: the bytes go straight into the room made for them.
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw EToolkitError::FileOpen(path);
    }
    const qint64 size = file.size();
    if (size > MaxBytes)
        throw EToolkitError::FileOpen(path);
    // Room for the size reported is made at once, so that growing leaves no spare room behind;
    // then it is read in pieces, so that a device that reports no size but never ends is
    // stopped at the limit.
    constexpr qint64 Piece = 64 * 1024;
    QByteArray bytes;
    bytes.reserve(size);
    while (!file.atEnd()) {
        const qsizetype at = bytes.size();
        const qint64 want = size > at ? std::min(size - at, Piece) : Piece;
        bytes.resize(at + want);
        const qint64 got = file.read(bytes.data() + at, want);
        if (got < 0)
            throw EToolkitError::FileOpen(path);
        bytes.resize(at + got);
        if (got == 0)
            break;
        if (bytes.size() > MaxBytes)
            throw EToolkitError::FileOpen(path);
    }
    if (file.error() != QFileDevice::NoError)
        throw EToolkitError::FileOpen(path);
    return bytes;
}

void TProfileFile::TChange::ApplyTo(TProfileText& text) const
{
    if (Edit)
        Edit(text);
    else
        text.ReplaceSections(Replacement->Test, Replacement->Section, Replacement->Entries);
}

const TProfileText& TProfileFile::Text()
{
    if (!FText) {
        FText = TProfileText::Parse(ReadBytes(FPath));
        for (const TChange& change : FChanges)
            change.ApplyTo(*FText);
    }
    return *FText;
}

void TProfileFile::Change(std::function<void(TProfileText&)> change)
{
    Text();
    change(*FText);
    FChanges.push_back(TChange{std::move(change), nullptr});
}

void TProfileFile::ReplaceSections(std::function<bool(const QString& name)> test, const QString& section,
                                   TEntryLines entries)
{
    TChange change{nullptr, std::make_shared<TReplacement>(TReplacement{std::move(test), section, std::move(entries)})};
    // A text nobody has looked at yet is not read for this change alone.
    if (FText)
        change.ApplyTo(*FText);
    FChanges.push_back(std::move(change));
}

void TProfileFile::Discard()
{
    FChanges.clear();
    FText.reset();
}

void TProfileFile::Commit()
{
    if (FChanges.empty())
        return;
    // The lock spans reading and writing, so that two programs committing at once both keep
    // their changes; a lock left by a program that died goes stale and is taken over.
    QLockFile lock(FPath + QStringLiteral(".lock"));
    if (!lock.tryLock(LockTimeoutMs))
        throw ProfileErrors::WriteFailed(FPath);
    // The text read before gives way to the fresh one, so that the two are not held at once;
    // should the commit fail, the next look reads the file and applies the changes again.
    FText.reset();
    TProfileText fresh = TProfileText::Parse(ReadBytes(FPath));
    for (const TChange& change : FChanges)
        change.ApplyTo(fresh);
    if (fresh.ByteSize() > MaxBytes)
        throw ProfileErrors::TooLarge(FPath, MaxBytes);
    WriteAside(fresh);
    FText = std::move(fresh);
    FChanges.clear();
}

void TProfileFile::WriteAside(const TProfileText& text) const
{
    // QSaveFile writes into a new file beside the old one, flushes it to the disk and renames
    // it over the old one only when everything got there.
    QSaveFile out(FPath);
    if (!out.open(QIODevice::WriteOnly))
        throw ProfileErrors::WriteFailed(FPath);
    const auto write = [&](QByteArrayView piece) {
        const QByteArray bytes = QByteArray::fromRawData(piece.data(), piece.size());
        return FWriter ? FWriter(out, bytes) : out.write(bytes) == bytes.size();
    };
    // An empty text is written too: the writer hears of every save.
    const bool written = text.ByteSize() == 0 ? write({}) : text.WriteTo(write);
    if (!written) {
        out.cancelWriting();
        throw ProfileErrors::WriteFailed(FPath);
    }
    if (!out.commit())
        throw ProfileErrors::WriteFailed(FPath);
}

} // namespace TarvoWidgets
