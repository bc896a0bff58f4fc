// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The bitmap loading as the game does it: the bytes become a data file, LoadBitmap reads it,
// and the picture is used the way the picture lists (a 110 by 110 cell) and the reward page
// (24-bit rows) use it. The only error allowed out of the loader is the toolkit's own.
#include "platform/BitmapFile.h"
#include "platform/ImageList.h"
#include "toolkit/base/ToolkitError.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

using namespace TarvoWidgets;

namespace {

// The file lives in memory where the system offers it: a disk-backed folder makes every
// execution wait on the disk, ten times slower.
const QString& DataFile()
{
    static const QString path = [] {
        const QDir shm(QStringLiteral("/dev/shm"));
        const QDir folder = ::access("/dev/shm", W_OK) == 0 ? shm : QDir::temp();
        return folder.filePath(QStringLiteral("tarvo-bitmap-fuzz-%1.bmp").arg(::getpid()));
    }();
    return path;
}

void Write(const std::uint8_t* data, std::size_t size)
{
    const int fd = ::open(QFile::encodeName(DataFile()).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        __builtin_trap();
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0)
            __builtin_trap();
        done += std::size_t(n);
    }
    ::close(fd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Write(data, size);
    QImage picture;
    try {
        picture = LoadBitmap(DataFile());
    } catch (const EToolkitError&) {
    }
    // Gone after every input: libFuzzer ends without running destructors.
    ::unlink(QFile::encodeName(DataFile()).constData());
    if (picture.isNull())
        return 0;
    TImageList faces(110, 110, clr::Purple);
    faces.Add(picture);
    QImage cell(110, 110, QImage::Format_RGB32);
    faces.Draw(cell, 0, 0, 0);
    [[maybe_unused]] const QImage rows = picture.convertToFormat(QImage::Format_RGB888);
    return 0;
}
