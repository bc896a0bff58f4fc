// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "WidgetIcons.h"

#include <QPainter>
#include <QPixmap>

namespace {

// Draws an icon at 1x and 2x, so it is sharp on a dense screen.
template <class TDraw>
QIcon DrawnIcon(TDraw draw)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(22, 22) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon FadeButtonIcon()
{
    return DrawnIcon([](QPainter& painter) {
        // A maroon button fading to red from left to right, with its silver outline.
        QLinearGradient fade(2, 0, 20, 0);
        fade.setColorAt(0, QColor(0x80, 0, 0));
        fade.setColorAt(1, QColor(0xFF, 0, 0));
        painter.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1));
        painter.setBrush(fade);
        painter.drawRect(QRectF(1.5, 6.5, 19, 9));
        painter.setPen(Qt::white);
        painter.drawLine(QPointF(7, 11), QPointF(15, 11));
    });
}

QIcon ShineButtonIcon()
{
    return DrawnIcon([](QPainter& painter) {
        // A raised square button holding a blue gem with the yellow ring of its hover look.
        painter.fillRect(QRectF(2, 2, 18, 18), QColor(0xF0, 0xF0, 0xF0));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawLine(QPointF(2.5, 19.5), QPointF(2.5, 2.5));
        painter.drawLine(QPointF(2.5, 2.5), QPointF(19.5, 2.5));
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
        painter.drawLine(QPointF(19.5, 2.5), QPointF(19.5, 19.5));
        painter.drawLine(QPointF(19.5, 19.5), QPointF(2.5, 19.5));
        const QPointF gem[] = {{11, 5}, {16, 11}, {11, 17}, {6, 11}};
        painter.setPen(QPen(QColor(0xFF, 0xE0, 0x00), 1.5));
        painter.setBrush(QColor(0x30, 0x70, 0xE0));
        painter.drawPolygon(gem, 4);
    });
}

QIcon HistoryComboBoxIcon()
{
    return DrawnIcon([](QPainter& painter) {
        // An edit field with its drop-down arrow, and the list of earlier entries below it.
        painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(1.5, 2.5, 19, 7));
        painter.setBrush(QColor(0x60, 0x60, 0x60));
        painter.drawPolygon(QPolygonF({QPointF(15, 5), QPointF(19, 5), QPointF(17, 8)}));
        painter.setBrush(QColor(0xF4, 0xF4, 0xF4));
        painter.drawRect(QRectF(1.5, 10.5, 15, 10));
        painter.setPen(QPen(QColor(0x30, 0x60, 0xC0), 1.5));
        for (const qreal y : {13.5, 16.5, 19.0})
            painter.drawLine(QPointF(4, y), QPointF(13, y));
    });
}

QIcon SpeedButtonIcon()
{
    return DrawnIcon([](QPainter& painter) {
        // Two flat buttons side by side, the right one latched down (sunken and lighter).
        const auto button = [&painter](QRectF face, bool down) {
            painter.fillRect(face, down ? QColor(0xF8, 0xF8, 0xF8) : QColor(0xE0, 0xE0, 0xE0));
            painter.setPen(QPen(down ? QColor(0x60, 0x60, 0x60) : Qt::white, 1));
            painter.drawLine(face.bottomLeft(), face.topLeft());
            painter.drawLine(face.topLeft(), face.topRight());
            painter.setPen(QPen(down ? Qt::white : QColor(0x60, 0x60, 0x60), 1));
            painter.drawLine(face.topRight(), face.bottomRight());
            painter.drawLine(face.bottomRight(), face.bottomLeft());
        };
        button(QRectF(1.5, 5.5, 9, 11), false);
        button(QRectF(11.5, 5.5, 9, 11), true);
    });
}
