#include "platform/ImageList.h"

#include <QPainter>

using namespace TarvoWidgets;

TImageList::TImageList(int width, int height, TColor backgroundColor)
    : FWidth(width), FHeight(height), FBackground(backgroundColor)
{
}

void TImageList::Draw(QPainter& painter, int x, int y, int index) const
{
    if (index < 0 || index >= Count())
        return;
    painter.fillRect(x, y, FWidth, FHeight, ToQColor(FBackground));
    painter.drawImage(QRect(x, y, FWidth, FHeight), FImages[std::size_t(index)],
                      QRect(0, 0, FWidth, FHeight));
}

void TImageList::Draw(QImage& canvas, int x, int y, int index) const
{
    QPainter painter(&canvas);
    Draw(painter, x, y, index);
}
