#pragma once

#include "toolkit/PublishedProperty.h"

#include <QExtensionFactory>
#include <QSet>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <vector>

class QDesignerFormEditorInterface;

// Qt Designer's property sheet of a widget of the set: every property that a stored layout
// carries, in the form that the layout file holds, so that a form saved from Designer stores
// what it read.
// - A toolkit colour is shown and edited as its stored text: a system colour by its name
//   ("clBtnFace"), no colour as "clNone", a plain colour as "#RRGGBB". Designer writes it as a
//   <string>, which a stored layout reads back as the same colour; a colour read as a <color>
//   is taken as the plain colour.
// - The owned objects (colour sets, fonts) are added as properties of their own under the
//   dotted names of the stored layout ("Colors.Color", "Font.Style"), grouped by their owner;
//   the pointer-typed properties that publish them are hidden, as Designer cannot edit them.
//   A flag set among them ("Font.Style") is shown and written as its identifiers
//   ("fsBold|fsItalic").
// Everything else goes to Designer's own sheet, which this one wraps.
class TPublishedPropertySheet : public QObject, public QDesignerPropertySheetExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension)
public:
    TPublishedPropertySheet(QDesignerPropertySheetExtension* base, QObject* widget, QObject* parent);

    int count() const override;
    int indexOf(const QString& name) const override;
    QString propertyName(int index) const override;
    QString propertyGroup(int index) const override;
    void setPropertyGroup(int index, const QString& group) override;
    bool hasReset(int index) const override;
    bool reset(int index) override;
    bool isVisible(int index) const override;
    void setVisible(int index, bool visible) override;
    bool isAttribute(int index) const override;
    void setAttribute(int index, bool attribute) override;
    QVariant property(int index) const override;
    void setProperty(int index, const QVariant& value) override;
    bool isChanged(int index) const override;
    void setChanged(int index, bool changed) override;
    bool isEnabled(int index) const override;

    // Whether Designer should use this sheet for the object: it publishes a toolkit colour or
    // an owned object.
    static bool Wants(const QObject* object);

private:
    // The owned object's property at a sheet index past Designer's own, or none.
    const TarvoWidgets::TPublishedProperty* Owned(int index) const;
    // Designer's own property at index, if it is one of the widget's Q_PROPERTYs.
    QMetaProperty Meta(int index) const;
    // A value as Designer hands it over, with a text read from a form taken out of Designer's
    // own wrapper.
    QVariant Unwrapped(const QVariant& value) const;

    QDesignerPropertySheetExtension* FBase;
    QObject* FWidget;
    std::vector<TarvoWidgets::TPublishedProperty> FOwned;
    QSet<int> FOwnedChanged;
};

// Gives the widgets of the set a TPublishedPropertySheet in place of Designer's own.
class TPublishedPropertySheetFactory : public QExtensionFactory {
    Q_OBJECT
public:
    // Registers the factory with Designer, once.
    static void Install(QDesignerFormEditorInterface* core);

protected:
    using QExtensionFactory::QExtensionFactory;
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;

private:
    // Set while Designer's own sheet is being fetched: the manager asks this factory first.
    mutable bool FFetchingBase = false;
};
