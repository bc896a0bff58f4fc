#pragma once

#include <QDialog>

class QPlainTextEdit;

// The boss screen: a borderless window that covers the whole screen with the start-up text of
// an old BASIC computer until its text is double-clicked. It is created once, hidden, and only
// hidden again when closed, so what the user typed into it is still there the next time.
// Nothing about it names the game: its title is exactly "BossForm1" and it has its own icon.
class TBossForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TBossForm1(QWidget* parent = nullptr);

    // The menu command "ボスが来た!!(&B)...": shows the window maximised and modal and returns
    // once it is closed again.
    void ShowModalMaximised();

    // The decoy text: black, white bold fixed-pitch text, editable, filling the window.
    QPlainTextEdit* const Memo1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Memo1DblClick();
};
