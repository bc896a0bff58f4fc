// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// Writes a picture as a 24-bit Windows bitmap; throws std::runtime_error when it cannot.
void SaveBmp(const QImage& image, const QString& path);

// Writes a picture as PNG (the icons); throws std::runtime_error when it cannot.
void SavePng(const QImage& image, const QString& path);
