// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QObject>
#include <QSize>
#include <QString>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

// What Qt Designer shows of one widget of the set in its widget box.
struct TWidgetEntry {
    QString ClassName;
    QString Header;       // the include file that uic writes
    QString ToolTip;
    bool HasCaption;      // whether a new one comes with a caption (its bare class name)
    std::function<QIcon()> Icon;
    std::function<QWidget*(QWidget* parent)> Create;
};

// One widget of the set offered in Qt Designer, described by its entry.
class TWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    TWidgetPlugin(TWidgetEntry entry, QObject* parent);

    QString name() const override { return FEntry.ClassName; }
    QString group() const override;
    QString toolTip() const override { return FEntry.ToolTip; }
    QString whatsThis() const override { return FEntry.ToolTip; }
    QString includeFile() const override { return FEntry.Header; }
    QIcon icon() const override { return FEntry.Icon(); }
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override { return FEntry.Create(parent); }
    QString domXml() const override;
    bool isInitialized() const override { return FInitialized; }
    void initialize(QDesignerFormEditorInterface* core) override;

    /// The class name without its namespace and the toolkit's "T" (ZRKFadeButton).
    static QString BareName(const QString& className);
    /// The object name of a new widget of the class, as Designer names its own (zrkFadeButton).
    static QString DefaultObjectName(const QString& className);

private:
    TWidgetEntry FEntry;
    bool FInitialized = false;
};
