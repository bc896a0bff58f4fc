#include "toolkit/ProfileFile.h"

#include "toolkit/ProfileErrors.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>

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

TProfileText TProfileFile::ReadText(const QString& path)
{
    const int fd = OpenRegularFile(path);
    if (fd < 0)
        return TProfileText::Parse({});
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw EToolkitError::FileOpen(path);
    }
    if (file.size() > MaxBytes)
        throw EToolkitError::FileOpen(path);
    // In pieces, so that a small file costs little and a device that reports no size but
    // never ends is stopped at the limit.
    constexpr qint64 Piece = 64 * 1024;
    QByteArray bytes;
    while (!file.atEnd()) {
        const QByteArray piece = file.read(Piece);
        if (piece.isEmpty())
            break;
        bytes += piece;
        if (bytes.size() > MaxBytes)
            throw EToolkitError::FileOpen(path);
    }
    if (file.error() != QFileDevice::NoError)
        throw EToolkitError::FileOpen(path);
    return TProfileText::Parse(bytes);
}

const TProfileText& TProfileFile::Text()
{
    if (!FText)
        FText = ReadText(FPath);
    return *FText;
}

void TProfileFile::Change(std::function<void(TProfileText&)> change)
{
    Text();
    change(*FText);
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
    TProfileText fresh = ReadText(FPath);
    for (const auto& change : FChanges)
        change(fresh);
    const QByteArray bytes = fresh.ToBytes();
    if (bytes.size() > MaxBytes)
        throw ProfileErrors::TooLarge(FPath, MaxBytes);
    WriteAside(bytes);
    FText = std::move(fresh);
    FChanges.clear();
}

void TProfileFile::WriteAside(const QByteArray& bytes) const
{
    // QSaveFile writes into a new file beside the old one, flushes it to the disk and renames
    // it over the old one only when everything got there.
    QSaveFile out(FPath);
    if (!out.open(QIODevice::WriteOnly))
        throw ProfileErrors::WriteFailed(FPath);
    const bool written = FWriter ? FWriter(out, bytes) : out.write(bytes) == bytes.size();
    if (!written) {
        out.cancelWriting();
        throw ProfileErrors::WriteFailed(FPath);
    }
    if (!out.commit())
        throw ProfileErrors::WriteFailed(FPath);
}

} // namespace TarvoWidgets
