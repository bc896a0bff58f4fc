// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/BitmapFile.h"

#include "platform/BitmapDecoder.h"
#include "toolkit/base/ToolkitError.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace TarvoWidgets;

namespace {

// Closes the descriptor on every way out of the reader.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : FFd(fd) {}
    ~TFileDescriptor()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    int Get() const { return FFd; }

private:
    int FFd;
};

bool IsRegularFile(int fd)
{
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

// Reads the data file at path into bytes (reusing their memory when it is large enough), at
// most as many as any bitmap needs. The type is checked before opening (opening a device can
// have effects of its own) and again on the open descriptor, which is opened non-blocking, so
// a FIFO swapped in between cannot make it wait.
void ReadDataFile(const QString& path, QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        throw EToolkitError::FileOpen(path);
    const TFileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0 || !IsRegularFile(file.Get()))
        throw EToolkitError::FileOpen(path);

    const qint64 wanted = std::min<qint64>(status.st_size, TBitmapDecoder::MaxFileBytes);
    bytes.resize(wanted);
    qint64 got = 0;
    while (got < wanted) {
        const ssize_t n = ::read(file.Get(), bytes.data() + got, std::size_t(wanted - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EToolkitError::FileOpen(path);
        if (n == 0)
            break;   // the file shrank since it was measured: decode what it still holds
        got += n;
    }
    bytes.truncate(got);
}

} // namespace

QImage LoadBitmap(const QString& path)
{
    QByteArray bytes;
    return LoadBitmap(path, bytes);
}

QImage LoadBitmap(const QString& path, QByteArray& buffer)
{
    ReadDataFile(path, buffer);
    return TBitmapDecoder::Decode(buffer);
}

QImage LoadBitmapResource(const QString& path)
{
    const QResource resource(path);
    if (!resource.isValid() || QFileInfo(path).isDir())
        throw EToolkitError::FileOpen(path);
    return TBitmapDecoder::Decode(resource.uncompressedData());
}
