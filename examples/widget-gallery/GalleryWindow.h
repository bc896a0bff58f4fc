// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QTabWidget;

// The widget gallery's window: one tab per page, each page a stored layout (.ui) compiled in
// under :/pages/, and a line that names the last event a widget raised, so a programmer can
// see and try the widgets. A new page is a new .ui file in pages/ and one line in the gallery's
// CMakeLists.txt.
class TGalleryWindow : public QWidget {
    Q_OBJECT
public:
    explicit TGalleryWindow(QWidget* parent = nullptr);

    // The page files, in name order.
    static QStringList PageFiles();

private:
    // Reports every event of the page's widgets: their signals named On… or on…, whose first
    // argument is the sender.
    void ReportEventsOf(QWidget* page);

private slots:
    void Report();

private:

    QTabWidget* FPages;
    QLabel* FEvents;
    int FEventCount = 0;
};
