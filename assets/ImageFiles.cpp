// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "ImageFiles.h"

#include <stdexcept>

namespace {
void Save(const QImage& image, const QString& path, const char* format)
{
    if (!image.save(path, format))
        throw std::runtime_error("cannot write " + path.toStdString());
}
} // namespace

void SaveBmp(const QImage& image, const QString& path)
{
    // An RGB888 image has no alpha and no palette, so Qt writes it with 24 bits per pixel.
    Save(image.convertToFormat(QImage::Format_RGB888), path, "BMP");
}

void SavePng(const QImage& image, const QString& path)
{
    Save(image, path, "PNG");
}
