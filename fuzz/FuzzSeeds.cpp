// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Writes seed files for the fuzz targets into a folder: "bitmaps" writes the test kit's
// well-formed bitmaps of every accepted kind (the generated data pictures are all 24-bit);
// "layouts" writes stored layouts of the widget set through the layout writer itself.
#include "toolkit/graphics/Color.h"
#include "layouts/StoredLayout.h"
#include "platform/testkit/BitmapSamples.h"
#include "layouts/WidgetSet.h"
#include "widgets/ZRKFadeButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>

using namespace TarvoWidgets;

namespace {

bool WriteBitmaps(const QDir& folder)
{
    int n = 0;
    for (const TWellFormedBitmap& sample : WellFormedBitmaps()) {
        QFile file(folder.filePath(QStringLiteral("sample-%1.bmp").arg(n++)));
        if (!file.open(QIODevice::WriteOnly) || file.write(sample.Bytes) != sample.Bytes.size())
            return false;
    }
    return true;
}

void WriteLayouts(const QDir& folder)
{
    RegisterWidgetSet();
    QWidget form;
    form.setObjectName(QStringLiteral("Form"));
    form.resize(640, 480);
    TStoredLayout::Write(folder.filePath(QStringLiteral("empty.ui")), &form);

    // The reward page's button, on a panel as in the game.
    auto* panel = new QFrame(&form);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 624, 464);
    auto* button = new TZRKFadeButton(panel);
    button->setObjectName(QStringLiteral("Button1"));
    button->setGeometry(212, 428, 200, 20);
    button->SetFontColor(clr::White);
    button->SetColor(clr::Maroon);
    button->SetDestColor(clr::Red);
    button->SetBorderColor(clr::Silver);
    button->SetBorderDestColor(0x123456);
    button->SetCaptionOverColor(clr::Yellow);
    button->SetStep(2);
    button->SetSpeed(20);
    button->SetBorderHeight(1);
    button->SetCaption(QStringLiteral("もっと!"));
    auto* plain = new TZRKFadeButton(&form);
    plain->setObjectName(QStringLiteral("Plain"));
    plain->SetColor(clr::BtnFace);
    TStoredLayout::Write(folder.filePath(QStringLiteral("reward-page.ui")), &form);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(folder.path());
    const QByteArray kind = argv[1];
    if (kind == "bitmaps")
        return WriteBitmaps(folder) ? 0 : 1;
    if (kind == "layouts") {
        WriteLayouts(folder);
        return 0;
    }
    return 2;
}
