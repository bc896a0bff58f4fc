// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

// Sets a form compiled by uic beside the same file read as a stored layout, and tells every
// difference: a widget missing or of another class, a geometry, a published property's value,
// and the pixels of the whole form. Differences go to the standard error; the pictures of a
// form that differs are written to the output folder.
class TFormCheck {
public:
    explicit TFormCheck(QString outputFolder) : FOutputFolder(std::move(outputFolder)) {}

    // Compares compiled with the layout read from fileName; false when they differ.
    bool Compare(const QString& fileName, QWidget& compiled);

    int Widgets() const { return FWidgets; }
    int Properties() const { return FProperties; }

private:
    bool Differs(const QString& what, const QString& compiled, const QString& read);

    QString FOutputFolder;
    QString FForm;
    int FWidgets = 0;
    int FProperties = 0;
};
