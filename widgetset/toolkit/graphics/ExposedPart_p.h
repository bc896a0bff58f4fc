// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace TarvoWidgets {

/// The part of a widget that a paint composes off-screen: what the paint event exposes, not the
/// whole widget, so that a paint costs what is shown however large the widget is. The part's
/// pixels are those of the same place in a picture of the whole widget: its left and top edges
/// fall on whole device pixels, and its far edges where the whole picture's would.
class TExposedPart {
public:
    /// The exposed rectangle inside a widget of size widgetSize at ratio, its left and top moved
    /// back (a pixel or two at most) to a logical coordinate that is a whole device pixel.
    TExposedPart(const QRect& exposed, QSize widgetSize, qreal ratio);

    /// The part in the widget's logical coordinates; empty when nothing is exposed.
    QRect Rect() const { return FRect; }
    /// An image for the part at the ratio, not yet filled.
    QImage MakeImage(QImage::Format format) const;

private:
    QRect FRect;
    QSize FDeviceSize;
    qreal FRatio;
};

} // namespace TarvoWidgets
