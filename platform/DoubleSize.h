// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// The double-size pictures. Beside every picture "name.bmp" of the data folder and of the
// layout lies "name@2x.bmp", painted at twice the size, for screens whose device pixel ratio is
// above 1: at 2 it is shown pixel for pixel, at 1.5 scaled down smoothly, either way sharper
// than the normal picture scaled up.

// "dir/name@2x.bmp" for "dir/name.bmp".
QString DoubleSizePath(const QString& path);

// The device pixel ratio that the pictures are shown at: the highest of the program's screens.
qreal ScreenPixelRatio();

// The picture read from path (picture) as it is best shown at the device pixel ratio: above 1,
// its double-size twin, read with read and given the device pixel ratio 2 so that it takes the
// same room, as long as it reads and is exactly twice the size; otherwise picture itself. The
// twin is an improvement only: a missing or damaged one never raises and shows no error.
QImage WithDoubleSize(QImage picture, const QString& path, qreal ratio, QImage (*read)(const QString&));
