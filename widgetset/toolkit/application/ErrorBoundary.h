// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/application/Application.h"

#include <utility>

namespace TarvoWidgets {

/// Our side of every entry point through which Qt calls into our code: event overrides, slots
/// and timer callbacks run their work through RunGuarded (or are connected through Guarded).
/// An error raised there ends that handler, goes to the default handler (the error box) and
/// never unwinds into Qt's frames; the program then goes on with its next event.
/// A signal reaches its slots through Qt's own frames, so the guard belongs to the slot: code
/// that connects its own handler to a signal of ours (a widget's OnClick) connects it Guarded.
template <typename F>
void RunGuarded(F&& handler) noexcept
{
    try {
        std::forward<F>(handler)();
    } catch (...) {
        TApplication::HandleException();
    }
}

/// A slot that runs handler through RunGuarded, for connect(): the signal's arguments are not
/// passed on.
template <typename F>
auto Guarded(F handler)
{
    return [handler = std::move(handler)]() mutable { RunGuarded(handler); };
}

} // namespace TarvoWidgets
