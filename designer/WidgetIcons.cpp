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
