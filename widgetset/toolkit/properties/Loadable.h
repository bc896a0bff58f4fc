// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

namespace TarvoWidgets {

/// A component that a stored window layout can hold. The layout reader calls Loaded on every
/// component it created, in creation order, once every one of them has its properties; a
/// component created in code never gets the call. Widgets that must act after being read (load
/// a history, say) override it; an error it raises reaches whoever asked for the layout.
class TARVOWIDGETS_EXPORT TLoadable {
public:
    virtual ~TLoadable() = default;

    /// The toolkit's hook after reading; the base behaviour does nothing. Called by the
    /// layout reader only.
    virtual void Loaded() {}
    /// The layout that made this component failed to read, after the component was created
    /// (a property, another component's Loaded, or this one's): the layout is deleted next.
    /// A component that would act at its destruction (save a history) learns here that it holds
    /// no data of the user's. Called by the layout reader only; must not raise.
    virtual void ReadFailed() noexcept {}

protected:
    TLoadable() = default;
};

} // namespace TarvoWidgets
