// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QVariant>
#include <map>

// Round trip of a widget through a stored layout: makes a widget of className (registered with
// TStoredLayout) on a form, gives every published property that a layout stores a value other
// than the one it has, writes the form, reads it back and expects each of those properties
// back with the value it had. values names the value to use for a property (by its path, as
// "Colors.Face") where the generic change (a number plus a few, the next enumeration
// identifier, another colour) would not be accepted.
void ExpectLayoutRoundTrip(const QString& className, const std::map<QString, QVariant>& values = {});
