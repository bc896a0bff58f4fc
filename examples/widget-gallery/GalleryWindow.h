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
    // Places a sample with a note of its settings under it, and reports its events.
    void AddSample(QWidget* section, TZRKFadeButton* button, const QString& note, int left, int top);
    void Report(QObject* sender, const QString& event);

    QLabel* FEvents;
    int FEventCount = 0;
};
