// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The widgets used as a program's own code uses them, on the form AllWidgets.ui compiled by
// uic: it connects to their Qt signals with member function pointers, makes buttons in code
// before they have a parent and gives them one afterwards, and deletes a button from a slot
// connected to its own click. Each expectation that does not hold goes to the standard error;
// the exit status is 0 when all held. It also runs the examples of the API documentation.
#include "Snippets.h"
#include "ui_AllWidgets.h"

#include <QApplication>
#include <QDebug>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <cstdio>

using namespace TarvoWidgets;

namespace {

bool Expect(bool held, const QString& what)
{
    if (!held)
        qCritical().noquote() << "usage:" << what;
    return held;
}

// A left click as the window system delivers it: a press, then a release.
void Click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

// A button of class TButton made with no parent, set up, then put on the form and shown; a
// slot connected to its own clicked() deletes it.
template <class TButton>
bool MadeBeforeItsParentAndDeletedFromItsSlot(QWidget& form, const char* className)
{
    auto* button = new TButton(nullptr);
    button->SetCaption(QStringLiteral("Made"));
    button->setGeometry(20, 130, 80, 25);
    button->setParent(&form);
    button->show();
    const QPointer<TButton> watched(button);
    int clicks = 0;
    QObject::connect(button, &TButton::clicked, button, [&clicks, button] {
        ++clicks;
        delete button;
    });
    Click(button);
    return Expect(clicks == 1 && watched.isNull(),
                  QStringLiteral("a %1 made before its parent: %2 clicks, %3 after the slot that deletes it")
                      .arg(QLatin1String(className))
                      .arg(clicks)
                      .arg(watched ? QStringLiteral("still there") : QStringLiteral("gone")));
}

// The documentation's examples make what their pages say: the speed buttons of one group
// release each other, and Enter in the history box adds its text to the top.
bool CheckSnippets(QWidget& form)
{
    const auto* more = MakeFadeButton(&form);
    const auto* open = MakeShineButton(&form);
    bool held = Expect(more->Caption() == QStringLiteral("More!") && open->Caption() == QStringLiteral("&Open")
                           && !open->GlyphPixmap().isNull(),
                       QStringLiteral("the fade and shine button examples: captions %1, %2").arg(more->Caption(), open->Caption()));

    auto [bold, italic] = MakeSpeedButtons(&form);
    bold->show();
    italic->show();
    Click(bold);
    Click(italic);
    held = Expect(!bold->Down() && italic->Down(),
                  QStringLiteral("the speed button example: bold %1, italic %2 down").arg(bold->Down()).arg(italic->Down()))
        && held;
    Click(italic);
    held = Expect(!italic->Down(), QStringLiteral("the speed button example: italic not released by its own click")) && held;

    auto* search = MakeHistoryBox(&form);
    search->SetSaveMode(THistoryComboBox::hsManual); // the example's file is not written here
    search->show();
    QTest::keyClicks(search->lineEdit(), QStringLiteral("tarvo"));
    QTest::keyClick(search->lineEdit(), Qt::Key_Return);
    return Expect(search->Items().value(0) == QStringLiteral("tarvo"),
                  QStringLiteral("the history box example: Enter gave the history ") + search->Items().join(QStringLiteral(", ")))
        && held;
}

bool CheckUsage()
{
    QWidget form;
    Ui::AllWidgets ui;
    ui.setupUi(&form);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return Expect(false, QStringLiteral("the form is not shown"));

    QStringList heard;
    QObject::connect(ui.MoreButton, &TZRKFadeButton::clicked, [&] { heard << QStringLiteral("MoreButton clicked"); });
    QObject::connect(ui.OpenButton, &TShineSpeedButton::clicked, [&] { heard << QStringLiteral("OpenButton clicked"); });
    QObject::connect(ui.OpenButton, &TShineSpeedButton::toggled,
                     [&](bool down) { heard << QStringLiteral("OpenButton toggled %1").arg(down); });
    QObject::connect(ui.SaveButton, &TSpeedButton::toggled,
                     [&](bool down) { heard << QStringLiteral("SaveButton toggled %1").arg(down); });
    QObject::connect(ui.OpenButton, &TShineSpeedButton::CaptionChanged,
                     [&](const QString& caption) { heard << QStringLiteral("OpenButton caption ") + caption; });
    QObject::connect(ui.SearchBox, &THistoryComboBox::textAdded,
                     [&](const QString& text) { heard << QStringLiteral("SearchBox added ") + text; });

    Click(ui.MoreButton);
    Click(ui.OpenButton); // down already, in group 1: stays down
    Click(ui.SaveButton); // the same group: takes it over
    ui.OpenButton->SetCaption(QStringLiteral("Opened"));
    ui.OpenButton->SetCaption(QStringLiteral("Opened")); // no change, no signal
    ui.SearchBox->AddText(QStringLiteral("tarvo"));

    const QStringList expected{QStringLiteral("MoreButton clicked"), QStringLiteral("OpenButton clicked"),
                               QStringLiteral("OpenButton toggled 0"), QStringLiteral("SaveButton toggled 1"),
                               QStringLiteral("OpenButton caption Opened"), QStringLiteral("SearchBox added tarvo")};
    bool held = Expect(heard == expected, QStringLiteral("signals heard: ") + heard.join(QStringLiteral(", "))
                                              + QStringLiteral("; expected: ") + expected.join(QStringLiteral(", ")));
    held = CheckSnippets(form) && held;
    held = MadeBeforeItsParentAndDeletedFromItsSlot<TZRKFadeButton>(form, "TZRKFadeButton") && held;
    held = MadeBeforeItsParentAndDeletedFromItsSlot<TShineSpeedButton>(form, "TShineSpeedButton") && held;
    held = MadeBeforeItsParentAndDeletedFromItsSlot<TSpeedButton>(form, "TSpeedButton") && held;
    return held;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool used = CheckUsage();
    std::printf("signals, the documentation's examples, buttons made before their parent, a button deleted from its own slot: %s\n",
                used ? "as expected" : "NOT as expected");
    return used ? 0 : 1;
}
