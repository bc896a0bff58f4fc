#pragma once

#include <QExtensionFactory>
#include <QtDesigner/QDesignerPropertySheetExtension>

class QDesignerFormEditorInterface;

// Qt Designer's property sheet of a widget with colour properties, shown with colour editors.
// A TColor is an int to Qt, so Designer's own sheet would offer a number; this sheet wraps that
// one and hands Designer each TColor property as a QColor (a system colour resolved through the
// palette, as it is painted) and takes a QColor back as a plain colour. A colour that comes
// back as it was handed out leaves the stored value alone, so a system colour reference or
// clNone that nobody edits stays what it is. Everything else goes to Designer's own sheet.
class TColorPropertySheet : public QObject, public QDesignerPropertySheetExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension)
public:
    TColorPropertySheet(QDesignerPropertySheetExtension* base, QObject* widget, QObject* parent);

    int count() const override { return FBase->count(); }
    int indexOf(const QString& name) const override { return FBase->indexOf(name); }
    QString propertyName(int index) const override { return FBase->propertyName(index); }
    QString propertyGroup(int index) const override { return FBase->propertyGroup(index); }
    void setPropertyGroup(int index, const QString& group) override { FBase->setPropertyGroup(index, group); }
    bool hasReset(int index) const override { return FBase->hasReset(index); }
    bool reset(int index) override { return FBase->reset(index); }
    bool isVisible(int index) const override { return FBase->isVisible(index); }
    void setVisible(int index, bool b) override { FBase->setVisible(index, b); }
    bool isAttribute(int index) const override { return FBase->isAttribute(index); }
    void setAttribute(int index, bool b) override { FBase->setAttribute(index, b); }
    QVariant property(int index) const override;
    void setProperty(int index, const QVariant& value) override;
    bool isChanged(int index) const override { return FBase->isChanged(index); }
    void setChanged(int index, bool changed) override { FBase->setChanged(index, changed); }
    bool isEnabled(int index) const override { return FBase->isEnabled(index); }

    // Whether one of the object's published properties is a colour.
    static bool HasColorProperty(const QObject* object);

private:
    bool IsColorProperty(int index) const;

    QDesignerPropertySheetExtension* FBase;
    QObject* FWidget;
};

// Gives the widgets with colour properties a TColorPropertySheet in place of Designer's own.
class TColorPropertySheetFactory : public QExtensionFactory {
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
