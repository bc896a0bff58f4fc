// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The text between two markers of the same name is what a class page shows: keep it short and
// written as a program's own code would be.
#include "Snippets.h"

#include <QApplication>
#include <QDebug>
#include <QLineEdit>
#include <QStyle>

using namespace TarvoWidgets;

TZRKFadeButton* MakeFadeButton(QWidget* parent)
{
    //! [fade-button]
    auto* more = new TarvoWidgets::TZRKFadeButton(parent);
    more->SetCaption(QStringLiteral("More!"));
    more->SetColor(TarvoWidgets::clr::Maroon);     // the fill at rest
    more->SetDestColor(TarvoWidgets::clr::Red);    // the fill under the pointer
    more->SetFontColor(TarvoWidgets::clr::White);
    more->SetCaptionOverColor(TarvoWidgets::clr::Yellow);
    more->SetSpeed(20);                            // one fade step every 20 ms
    QObject::connect(more, &TarvoWidgets::TZRKFadeButton::clicked, qApp, &QApplication::quit);
    //! [fade-button]
    return more;
}

TShineSpeedButton* MakeShineButton(QWidget* parent)
{
    //! [shine-button]
    auto* open = new TarvoWidgets::TShineSpeedButton(parent);
    open->SetCaption(QStringLiteral("&Open"));
    open->SetGlyphPixmap(open->style()->standardIcon(QStyle::SP_DialogOpenButton).pixmap(16, 16));
    open->Colors()->SetGradation(true);            // a gradient face, from Color to GradColor
    open->Colors()->SetColor(TarvoWidgets::clr::White);
    open->Colors()->SetGradColor(TarvoWidgets::clr::Silver);
    open->SetShineColor(TarvoWidgets::clr::Aqua);  // the glyph's light under the pointer
    open->SetFrameType(TarvoWidgets::TShineSpeedButton::ftFlatFrame);
    QObject::connect(open, &TarvoWidgets::TShineSpeedButton::clicked, open, [] { /* open a file */ });
    //! [shine-button]
    return open;
}

std::pair<TSpeedButton*, TSpeedButton*> MakeSpeedButtons(QWidget* parent)
{
    //! [speed-buttons]
    auto* bold = new TarvoWidgets::TSpeedButton(parent);
    auto* italic = new TarvoWidgets::TSpeedButton(parent);
    bold->SetCaption(QStringLiteral("&Bold"));
    italic->SetCaption(QStringLiteral("&Italic"));
    for (auto* button : {bold, italic}) {
        button->SetGroupIndex(1);                  // one group: at most one is down
        button->SetAllowAllUp(true);               // and a click of its own releases it
    }
    QObject::connect(bold, &TarvoWidgets::TSpeedButton::toggled, bold, [](bool down) { qDebug() << "bold" << down; });
    //! [speed-buttons]
    return {bold, italic};
}

THistoryComboBox* MakeHistoryBox(QWidget* parent)
{
    //! [history-box]
    auto* search = new TarvoWidgets::THistoryComboBox(parent);
    search->setObjectName(QStringLiteral("Search"));       // the INI section, unless SaveSectionName
    search->SetSaveFileName(QStringLiteral("search.ini")); // loaded when first shown, saved when destroyed
    QObject::connect(search->lineEdit(), &QLineEdit::returnPressed, search, [search] {
        search->AddText();                                  // the edit text goes to the top
    });
    //! [history-box]
    return search;
}
