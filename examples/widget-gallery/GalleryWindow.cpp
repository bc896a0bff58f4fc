// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "GalleryWindow.h"

#include "HistorySection.h"

#include "layouts/StoredLayout.h"

#include <QDir>
#include <QLabel>
#include <QMetaMethod>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace TarvoWidgets;

TGalleryWindow::TGalleryWindow(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Widget gallery"));
    auto* layout = new QVBoxLayout(this);
    FPages = new QTabWidget(this);
    layout->addWidget(FPages);
    for (const QString& file : PageFiles()) {
        QWidget* page = TStoredLayout::Read(file);
        // A page places its widgets itself: it keeps the size its layout file gives it.
        page->setMinimumSize(page->size());
        FPages->addTab(page, page->windowTitle());
        ReportEventsOf(page);
    }
    // The history boxes stay in view under the pages: one of them remembers across runs.
    auto* history = new THistorySection(this);
    layout->addWidget(history);
    ReportEventsOf(history);
    FEvents = new QLabel(QStringLiteral("Move the mouse over a widget, leave it, click it."), this);
    layout->addWidget(FEvents);
}

QStringList TGalleryWindow::PageFiles()
{
    const QDir pages(QStringLiteral(":/pages"));
    QStringList files;
    for (const QString& name : pages.entryList({QStringLiteral("*.ui")}, QDir::Files, QDir::Name))
        files << pages.filePath(name);
    return files;
}

void TGalleryWindow::ReportEventsOf(QWidget* page)
{
    const QMetaMethod report = metaObject()->method(metaObject()->indexOfMethod("Report()"));
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        const QMetaObject* meta = widget->metaObject();
        for (int i = QWidget::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
            const QMetaMethod signal = meta->method(i);
            if (signal.methodType() == QMetaMethod::Signal && signal.parameterCount() >= 1
                && signal.parameterMetaType(0) == QMetaType::fromType<QObject*>()
                && signal.name().toLower().startsWith("on"))
                connect(widget, signal, this, report);
        }
    }
}

void TGalleryWindow::Report()
{
    const QByteArray event = sender()->metaObject()->method(senderSignalIndex()).name();
    FEvents->setText(QStringLiteral("%1. %2 from %3").arg(++FEventCount).arg(QString::fromLatin1(event), sender()->objectName()));
}
