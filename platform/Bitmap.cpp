#include "Bitmap.h"

#include "ToolkitError.h"

#include <QFile>
#include <QImageReader>

QImage LoadBitmap(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EToolkitError::FileOpen(path);
    QImageReader reader(&file, "bmp");
    QImage image = reader.read();
    if (image.isNull())
        throw EToolkitError::InvalidBitmap();
    return image;
}
