// Writes the test kit's well-formed bitmaps, one file each, into the folder given: seeds that
// reach the decoder's every accepted kind (the generated data pictures are all 24-bit).
#include "platform/testkit/BitmapSamples.h"

#include <QDir>
#include <QFile>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    int n = 0;
    for (const TWellFormedBitmap& sample : WellFormedBitmaps()) {
        QFile file(folder.filePath(QStringLiteral("sample-%1.bmp").arg(n++)));
        if (!file.open(QIODevice::WriteOnly) || file.write(sample.Bytes) != sample.Bytes.size())
            return 1;
    }
    return 0;
}
