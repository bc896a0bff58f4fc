#include "ShineButtonPage.h"

#include "ShineStateSample.h"
#include "platform/StoredLayout.h"
#include "widgets/WidgetSet.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The one glyph of every sample: a blue gem with a gold band and a dark outline on a magenta
// background, which the bottom-left pixel names as the key colour.
QPixmap Gem()
{
    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter painter(&image);
    QPainterPath gem;
    gem.moveTo(12, 2);
    gem.lineTo(21, 10);
    gem.lineTo(12, 21);
    gem.lineTo(3, 10);
    gem.closeSubpath();
    painter.setPen(QPen(QColor(0x10, 0x20, 0x50), 1));
    painter.setBrush(QColor(0x30, 0x70, 0xE0));
    painter.drawPath(gem);
    painter.fillRect(QRect(6, 9, 13, 3), QColor(0xF0, 0xC0, 0x30));
    painter.fillRect(QRect(9, 5, 3, 2), QColor(0xC0, 0xE0, 0xFF));
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

QWidget* ShineButtonPage(QWidget* parent)
{
    RegisterWidgetSet();
    TStoredLayout::RegisterClass(QStringLiteral("TShineStateSample"),
                                 [](QWidget* owner) { return new TShineStateSample(owner); });
    QWidget* page = TStoredLayout::Read(QStringLiteral(":/ShineButtonPage.ui"), parent);
    const QPixmap gem = Gem();
    for (TShineSpeedButton* button : page->findChildren<TShineSpeedButton*>())
        button->SetGlyphPixmap(gem);
    return page;
}
