// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

namespace TarvoWidgets {

/// Stores value in field and, when it differs from what was there, emits the property's change
/// signal with the new value. True when the value changed. The signal is emitted last, after the
/// field holds the new value, so a slot that reads the property back sees it.
template <class TObject, class T, class TValue, class TSignal>
bool StoreChanged(TObject* object, T& field, const TValue& value, TSignal signal)
{
    if (field == value)
        return false;
    field = value;
    Q_EMIT(object->*signal)(field);
    return true;
}

} // namespace TarvoWidgets
