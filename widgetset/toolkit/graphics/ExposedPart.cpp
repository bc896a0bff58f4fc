// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/graphics/ExposedPart_p.h"

#include <algorithm>
#include <cmath>

namespace TarvoWidgets {

namespace {

// The largest logical coordinate at or below value that is a whole device pixel at ratio; 0
// for a ratio that puts none near (the part then reaches the widget's edge).
int OnDevicePixel(int value, qreal ratio)
{
    for (int v = value; v > 0 && v > value - 8; --v) {
        const qreal device = v * ratio;
        if (device == std::floor(device))
            return v;
    }
    return 0;
}

} // namespace

TExposedPart::TExposedPart(const QRect& exposed, QSize widgetSize, qreal ratio)
    : FRatio(ratio)
{
    const QRect part = exposed & QRect(QPoint(0, 0), widgetSize);
    if (part.isEmpty())
        return;
    const int left = OnDevicePixel(part.left(), ratio);
    const int top = OnDevicePixel(part.top(), ratio);
    FRect = QRect(QPoint(left, top), part.bottomRight());
    // The whole picture's device size rounds each side as QSize * qreal does.
    const QSize whole = widgetSize * ratio;
    const int right = std::min(whole.width(), int(std::ceil((FRect.right() + 1) * ratio)));
    const int bottom = std::min(whole.height(), int(std::ceil((FRect.bottom() + 1) * ratio)));
    FDeviceSize = QSize(right - int(left * ratio), bottom - int(top * ratio));
}

QImage TExposedPart::MakeImage(QImage::Format format) const
{
    QImage image(FDeviceSize, format);
    image.setDevicePixelRatio(FRatio);
    return image;
}

} // namespace TarvoWidgets
