// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

// The gallery's history combo boxes, read from their own stored layout (HistorySection.ui):
// one that remembers its entries across runs of the gallery in the registry, and a sorted one
// that keeps nothing. Enter in a box's edit field adds the text, as an owner of the box does.
class THistorySection : public QGroupBox {
    Q_OBJECT
public:
    explicit THistorySection(QWidget* parent = nullptr);
};
