// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Prints every stored property of every widget that a stored layout makes of a .ui file, one
// "<object>.<property> = <value>" line each, sorted: two files that print the same lines give
// their widgets the same values. The Designer round-trip test compares a form before and after
// Qt Designer saved it. With --accessible it prints the form's accessible tree instead, as a
// screen reader walks it: role, name and state of each node, indented by depth.
//   ui_properties [--accessible] <form.ui>
#include "ShineStateSample.h"
#include "toolkit/properties/PropertyText.h"
#include "toolkit/properties/PublishedProperty.h"
#include "layouts/StoredLayout.h"
#include "layouts/WidgetSet.h"

#include <QAccessible>
#include <QApplication>
#include <QMetaProperty>
#include <QWidget>
#include <cstdio>
#include <exception>

using namespace TarvoWidgets;

namespace {

// A value in a form that compares as the value itself.
QString Text(const QMetaProperty& meta, const QVariant& value)
{
    if (meta.userType() >= QMetaType::User || meta.isEnumType())
        return TPropertyText::From(meta, value).Text;
    switch (value.metaType().id()) {
    case QMetaType::QRect: {
        const QRect r = value.toRect();
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    case QMetaType::QFont: return value.value<QFont>().toString();
    case QMetaType::QCursor: return QString::number(value.value<QCursor>().shape());
    case QMetaType::QSize: return QStringLiteral("%1x%2").arg(value.toSize().width()).arg(value.toSize().height());
    default: return value.toString();
    }
}

void Dump(QWidget* widget, QStringList& lines)
{
    const QString name = widget->objectName();
    const QMetaObject* meta = widget->metaObject();
    lines << name + QStringLiteral(" : ") + QString::fromLatin1(meta->className());
    // Qt's own stored properties, then the published ones with the owned objects' by path.
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isStored() || !property.isWritable() || TPublishedProperty::IsOwnedObject(property))
            continue;
        lines << name + QLatin1Char('.') + QString::fromLatin1(property.name()) + QStringLiteral(" = ")
                     + Text(property, property.read(widget));
    }
    for (const TPublishedProperty& property : TPublishedProperty::Of(widget))
        if (property.Object() != widget)
            lines << name + QLatin1Char('.') + property.Path() + QStringLiteral(" = ")
                         + Text(property.Meta(), property.Value());
}

// One line a node: "<role> "<name>" [states]", its children indented below it.
void DumpAccessible(QAccessibleInterface* node, int depth, QStringList& lines)
{
    if (!node)
        return;
    const QAccessible::State state = node->state();
    QStringList states;
    const std::pair<bool, const char*> flags[] = {{bool(state.disabled), "disabled"}, {bool(state.pressed), "pressed"},
                                                  {bool(state.checkable), "checkable"}, {bool(state.checked), "checked"},
                                                  {bool(state.invisible), "invisible"}};
    for (const auto& [set, name] : flags)
        if (set)
            states << QString::fromLatin1(name);
    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    lines << QString(depth * 2, QLatin1Char(' ')) + QString::fromLatin1(roles.valueToKey(node->role())) + QStringLiteral(" \"")
                 + node->text(QAccessible::Name) + QStringLiteral("\"") + (states.isEmpty() ? QString() : QStringLiteral(" [") + states.join(QLatin1Char(',')) + QLatin1Char(']'));
    for (int i = 0; i < node->childCount(); ++i)
        DumpAccessible(node->child(i), depth + 1, lines);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const bool accessible = argc == 3 && QByteArray(argv[1]) == "--accessible";
    if (argc != 2 && !accessible) {
        std::fprintf(stderr, "usage: ui_properties [--accessible] <form.ui>\n");
        return 2;
    }
    RegisterWidgetSet();
    TShineStateSample::Register();
    try {
        QWidget* form = TStoredLayout::Read(QString::fromLocal8Bit(argv[argc - 1]));
        QStringList lines;
        if (accessible) {
            form->show();
            DumpAccessible(QAccessible::queryAccessibleInterface(form), 0, lines);
            for (const QString& line : lines)
                std::printf("%s\n", line.toUtf8().constData());
            delete form;
            return 0;
        }
        Dump(form, lines);
        for (QWidget* child : form->findChildren<QWidget*>())
            if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
                Dump(child, lines);
        lines.sort();
        for (const QString& line : lines)
            std::printf("%s\n", line.toUtf8().constData());
        delete form;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
