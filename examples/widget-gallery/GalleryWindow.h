#pragma once

#include <QWidget>

class QLabel;
class TZRKFadeButton;

// The widget gallery's window: each widget of the set in a few settings side by side, and a
// line that names the last event a widget raised, so a programmer can see and try them.
class TGalleryWindow : public QWidget {
    Q_OBJECT
public:
    explicit TGalleryWindow(QWidget* parent = nullptr);

private:
    QWidget* FadeButtonSection();
    // The shine buttons' toolbar page, read from its stored layout, with glyphs drawn here.
    QWidget* ShineButtonSection();
    // Places a sample with a note of its settings under it, and reports its events.
    void AddSample(QWidget* section, TZRKFadeButton* button, const QString& note, int left, int top);
    void Report(QObject* sender, const QString& event);

    QLabel* FEvents;
    int FEventCount = 0;
};
