// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

// A log of the events and Qt signals of widgets, each entry "<objectName>:<name>", for tests of
// their order.
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"

#include <QObject>
#include <string>
#include <vector>

using TLog = std::vector<std::string>;

// How a signal's arguments show in the log: toggled's state, nothing for the others.
template <class... TArgs> std::string Suffix(const TArgs&...) { return {}; }
inline std::string Suffix(bool down) { return down ? "(1)" : "(0)"; }

// Records a signal of an object as "<objectName>:<name>" each time it comes.
template <class TObject, class TSender, class... TArgs>
void On(TObject* object, void (TSender::*signal)(TArgs...), const char* name, TLog& log)
{
    const std::string entry = object->objectName().toStdString() + ":" + name;
    QObject::connect(object, signal, object, [&log, entry](TArgs... args) { log.push_back(entry + Suffix(args...)); });
}

// The fade button's mouse-button events and its press and click signals.
inline void LogPressAndClick(TarvoWidgets::TZRKFadeButton* fade, TLog& log)
{
    using F = TarvoWidgets::TZRKFadeButton;
    On(fade, &F::onMouseDown, "onMouseDown", log);
    On(fade, &F::pressed, "pressed", log);
    On(fade, &F::released, "released", log);
    On(fade, &F::OnClick, "OnClick", log);
    On(fade, &F::clicked, "clicked", log);
    On(fade, &F::onMouseUp, "onMouseUp", log);
}

// The shine button's mouse-button events, its press and click signals and its latch.
inline void LogPressAndClick(TarvoWidgets::TShineSpeedButton* button, TLog& log)
{
    using S = TarvoWidgets::TShineSpeedButton;
    On(button, &S::OnMouseDown, "OnMouseDown", log);
    On(button, &S::pressed, "pressed", log);
    On(button, &S::OnMouseUp, "OnMouseUp", log);
    On(button, &S::toggled, "toggled", log);
    On(button, &S::released, "released", log);
    On(button, &S::OnClick, "OnClick", log);
    On(button, &S::clicked, "clicked", log);
}
