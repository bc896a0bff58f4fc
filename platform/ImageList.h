// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/graphics/Color.h"

#include <QImage>
#include <vector>

class QPainter;

// A list of fixed-size pictures, drawn opaquely: the whole cell is first filled with the
// background colour, so a picture's transparent parts never let an earlier drawing show.
class TImageList {
public:
    TImageList(int width, int height, TarvoWidgets::TColor backgroundColor);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return int(FImages.size()); }
    void Clear() { FImages.clear(); }
    // Appends the picture. The list keeps a value: pictures share their pixels until either
    // side is changed, so later changes to the caller's picture never reach the list.
    void Add(const QImage& picture) { FImages.push_back(picture); }
    const QImage& At(int index) const { return FImages.at(std::size_t(index)); }

    // Draws picture index with its top-left corner at (x, y); an index the list does not hold
    // draws nothing.
    void Draw(QPainter& painter, int x, int y, int index) const;
    void Draw(QImage& canvas, int x, int y, int index) const;

private:
    int FWidth;
    int FHeight;
    TarvoWidgets::TColor FBackground;
    std::vector<QImage> FImages;
};
