// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/ImageMemory.h"

#include <sys/mman.h>

namespace {

// Below this the one call saves too little to be worth a mapping of its own.
constexpr qsizetype MappedFromBytes = 256 * 1024;

struct TMapping {
    void* Address;
    qsizetype Bytes;
};

void Unmap(void* info)
{
    const auto* mapping = static_cast<TMapping*>(info);
    ::munmap(mapping->Address, std::size_t(mapping->Bytes));
    delete mapping;
}

} // namespace

QImage AllocateImage(QSize size, QImage::Format format)
{
    if (size.isEmpty())
        return QImage(size, format);
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    // Whole 32-bit words per line, as QImage lays out its own pictures.
    const qsizetype bytesPerLine = (qsizetype(size.width()) * depth + 31) / 32 * 4;
    const qsizetype bytes = bytesPerLine * size.height();
    if (bytes < MappedFromBytes)
        return QImage(size, format);
    void* address = ::mmap(nullptr, std::size_t(bytes), PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (address == MAP_FAILED)
        return QImage(size, format);   // no memory to map: let QImage try, and fail, its own way
    auto* mapping = new TMapping{address, bytes};
    QImage image(static_cast<uchar*>(address), size.width(), size.height(), bytesPerLine, format, Unmap, mapping);
    if (image.isNull())
        Unmap(mapping);   // QImage refused the picture and so never takes over its cleaning up
    return image;
}
