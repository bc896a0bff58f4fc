// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Makes the pictures of the widget set's class pages from the very examples that the pages
// quote (examples/user-project/Snippets.cpp), each widget once at rest and once as the pointer
// or the user leaves it. Run on the offscreen platform, from the repository root:
//   QT_QPA_PLATFORM=offscreen build/bin/doc-pictures widgetset/docs/pictures
#include "Snippets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QPainter>
#include <QTest>
#include <cstdio>

namespace {

// A row of samples on the window's own background, laid out as a program would.
class TSampleRow : public QWidget {
public:
    TSampleRow()
    {
        new QHBoxLayout(this);
        layout()->setContentsMargins(8, 8, 8, 8);
        layout()->setSpacing(12);
    }
    template <class TWidget> TWidget* Add(TWidget* widget)
    {
        layout()->addWidget(widget);
        return widget;
    }
    bool Show()
    {
        show();
        return QTest::qWaitForWindowExposed(this);
    }
};

// The pointer moved onto widget, and given time to finish what it starts (a fade).
void Hover(QWidget* widget)
{
    QTest::mouseMove(widget, widget->rect().center());
    QTest::qWait(1500);
}

bool Save(const QImage& picture, const QDir& folder, const char* name)
{
    const QString file = folder.filePath(QLatin1String(name));
    if (!picture.save(file))
        return false;
    std::printf("doc-pictures: wrote %s\n", qPrintable(file));
    return true;
}

bool FadeButtons(const QDir& folder)
{
    TSampleRow row;
    row.Add(MakeFadeButton(&row));
    auto* hovered = row.Add(MakeFadeButton(&row));
    hovered->SetCaption(QStringLiteral("More! (hovered)"));
    if (!row.Show())
        return false;
    Hover(hovered);
    return Save(row.grab().toImage(), folder, "fade-button.png");
}

bool ShineButtons(const QDir& folder)
{
    TSampleRow row;
    row.Add(MakeShineButton(&row));
    auto* hovered = row.Add(MakeShineButton(&row));
    auto* disabled = row.Add(MakeShineButton(&row));
    disabled->setEnabled(false);
    if (!row.Show())
        return false;
    Hover(hovered);
    return Save(row.grab().toImage(), folder, "shine-button.png");
}

bool SpeedButtons(const QDir& folder)
{
    TSampleRow row;
    auto [bold, italic] = MakeSpeedButtons(&row);
    row.Add(bold);
    row.Add(italic);
    if (!row.Show())
        return false;
    italic->SetDown(true);
    QTest::mouseMove(&row, QPoint(0, 0));
    return Save(row.grab().toImage(), folder, "speed-buttons.png");
}

// The box with its list open: the box and the popup drawn one below the other, as on screen.
bool HistoryBox(const QDir& folder)
{
    TSampleRow row;
    auto* search = row.Add(MakeHistoryBox(&row));
    search->SetSaveMode(TarvoWidgets::THistoryComboBox::hsManual); // nothing read or written here
    search->setMinimumWidth(220);
    for (const char* text : {"reversi corner", "opening book", "edge stability", "mobility"})
        search->AddText(QString::fromUtf8(text));
    search->setEditText(QStringLiteral("mob"));
    if (!row.Show())
        return false;
    search->showPopup();
    QWidget* popup = search->view()->window();
    if (!QTest::qWaitForWindowExposed(popup))
        return false;
    const QImage box = row.grab().toImage();
    const QImage list = popup->grab().toImage();
    const QPoint listAt = row.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))) * box.devicePixelRatio();
    QImage picture(box.width(), std::max(box.height(), listAt.y() + list.height()), QImage::Format_ARGB32);
    picture.fill(row.palette().window().color());
    QPainter painter(&picture);
    painter.drawImage(0, 0, box);
    painter.drawImage(listAt, list);
    painter.end();
    search->hidePopup();
    return Save(picture, folder, "history-box.png");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: doc-pictures <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool made = FadeButtons(folder) && ShineButtons(folder) && SpeedButtons(folder) && HistoryBox(folder);
    return made ? 0 : 1;
}
