// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgetslayouts_export.h"

#include <QString>
#include <functional>

class QWidget;

namespace TarvoWidgets {

/// Window layouts stored as Qt Designer .ui files.
///
/// Reading uses Qt's UI loader, taught the classes registered here. The properties that Qt's own
/// classes declare (geometry, font, toolTip, ...) are applied by the loader as usual; the
/// published properties of a registered class are applied here, after the whole tree is built,
/// with a clear error for a property the class does not have, a value of the wrong type or an
/// unknown enumeration identifier. Then Loaded runs once on every component of the layout that
/// is a TLoadable, in creation order. A component created in code never gets Loaded.
///
/// Writing uses Qt's form builder and keeps of each widget only what differs: a Qt property is
/// written when it differs from a new widget of the same class, a published property when it is
/// STORED and differs from its declared default (see PublishedProperty.h). docs/STORED-LAYOUTS.md
/// describes the file.
class TARVOWIDGETSLAYOUTS_EXPORT TStoredLayout {
public:
    using TCreate = std::function<QWidget*(QWidget* parent)>;

    /// Teaches the reader a class; header is what the written layout names as its include file
    /// (Qt Designer and uic use it), by default the class name without its T, in widgets/.
    static void RegisterClass(const QString& className, TCreate create, const QString& header = QString());
    /// A new widget of a registered class on parent; nullptr for a class that is not registered.
    static QWidget* Create(const QString& className, QWidget* parent = nullptr);

    /// Reads the layout in fileName into new widgets on parent and returns the top one. Raises
    /// EToolkitError naming the file (and the component and property at fault) when the file
    /// cannot be read; an error raised by a Loaded reaches the caller. On an error nothing of
    /// the layout is left over: each component made so far gets ReadFailed, then goes.
    static QWidget* Read(const QString& fileName, QWidget* parent = nullptr);
    /// Writes form and everything on it to fileName, replacing the file whole.
    static void Write(const QString& fileName, QWidget* form);
};

} // namespace TarvoWidgets
