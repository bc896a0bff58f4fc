// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QPlainTextEdit;

// The boss screen: a borderless window that covers the whole screen with the start-up text of
// an old BASIC computer until its text is double-clicked. It is created once, hidden, and only
// hidden again when closed, so what the user typed into it is still there the next time.
// Nothing about it names the game: its title is exactly "BossForm1", it has its own icon, and
// while shown its application identity (Wayland's app id, X's WM_CLASS) is its own.
class TBossForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TBossForm1(QWidget* parent = nullptr);

    // The menu command "ボスが来た!!(&B)...": shows the window full screen (over the desktop's
    // panels) and modal and returns once it is closed again.
    void ShowModalFullScreen();

    // The application identity that the window system is given for the decoy, in place of
    // the game's: no desktop entry is installed under it.
    static const QString DecoyAppId;

    // The decoy text: black, white bold fixed-pitch text, editable, filling the window.
    QPlainTextEdit* const Memo1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Memo1DblClick();
};
