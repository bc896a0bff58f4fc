// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class TServices;

// The host of the maker's web site, which serves the information page.
inline constexpr char InformationHost[] = "www.bramel.example";

// The information page's address for the executable at executablePath: the page is told the
// platform ("pf=w") and the program's name ("sn"), the executable's file name without its
// folder and without its extension (from the last "." of the file name on). The name is
// percent-encoded as a query value, so a name holding "&", "#", "?", "+", "%", blanks or
// non-ASCII letters stays one value; a plain name such as "Tarvo" comes out unchanged.
QString InformationAddress(const QString& executablePath);

// The menu command "インフォメーション(&I)...": opens the information page in the default
// browser. Whether the browser opens is not checked.
void OpenInformationPage(TServices& services);
