// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "HistorySection.h"

#include "layouts/StoredLayout.h"
#include "widgets/HistoryComboBox.h"

#include <QLineEdit>
#include <QVBoxLayout>

using namespace TarvoWidgets;

THistorySection::THistorySection(QWidget* parent)
    : QGroupBox(QStringLiteral("THistoryComboBox"), parent)
{
    setFixedSize(760, 120);
    auto* layout = new QVBoxLayout(this);
    // The remembered box loads its history as the layout is read (Loaded) and saves it when
    // the gallery closes and takes it down.
    layout->addWidget(TStoredLayout::Read(QStringLiteral(":/gallery/HistorySection.ui"), this));
    for (auto* box : findChildren<THistoryComboBox*>()) {
        // Qt shows the first entry a layout gives a box; the gallery starts with empty fields.
        box->setCurrentIndex(-1);
        connect(box->lineEdit(), &QLineEdit::returnPressed, box, [box] { box->AddText(); });
    }
    // Typing goes to the remembered box first.
    if (auto* remembered = findChild<THistoryComboBox*>(QStringLiteral("RememberedBox")))
        remembered->setFocus();
}
