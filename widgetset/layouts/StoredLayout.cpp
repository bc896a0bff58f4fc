// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "layouts/StoredLayout.h"

#include "toolkit/base/ClassName.h"
#include "toolkit/properties/Loadable.h"
#include "toolkit/properties/PropertyText.h"
#include "toolkit/properties/PublishedProperty.h"
#include "toolkit/base/ToolkitError.h"

#include <QBuffer>
#include <QDomDocument>
#include <QFile>
#include <QFormBuilder>
#include <QPointer>
#include <QSaveFile>
#include <QUiLoader>
#include <QWidget>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace TarvoWidgets {

namespace {

struct TRegistered {
    TStoredLayout::TCreate Create;
    QString Header;
    /// The class's meta-object, from a widget made once when first wanted.
    mutable const QMetaObject* Meta = nullptr;
};

// The classes that layouts may hold besides Qt's own, by class name. Registration happens once
// at start-up (RegisterWidgetSet), before any layout is read.
std::map<QString, TRegistered>& Registry()
{
    static std::map<QString, TRegistered> registry;
    return registry;
}

// A class is registered under its full name, as Qt's meta-object gives it and Qt Designer and uic
// write it ("TarvoWidgets::TZRKFadeButton"); a layout may also name a class of the widget set
// without its namespace, as layouts written before the namespace did.
const TRegistered* Registered(const QString& className)
{
    auto found = Registry().find(className);
    if (found == Registry().end() && !className.contains(QLatin1String("::")))
        found = Registry().find(QStringLiteral("TarvoWidgets::") + className);
    return found == Registry().end() ? nullptr : &found->second;
}

// The meta-object of a registered class. A reader needs it for every component of the class
// before the loader makes one; a class's meta-object stays the same for the whole process.
const QMetaObject* RegisteredMeta(const TRegistered& registered)
{
    if (!registered.Meta) {
        const std::unique_ptr<QWidget> sample(registered.Create(nullptr));
        registered.Meta = sample->metaObject();
    }
    return registered.Meta;
}

const QString WidgetTag = QStringLiteral("widget");
const QString PropertyTag = QStringLiteral("property");
const QString ColorTag = QStringLiteral("color");
const QString StringTag = QStringLiteral("string");
const QString RedTag = QStringLiteral("red");
const QString GreenTag = QStringLiteral("green");
const QString BlueTag = QStringLiteral("blue");

// The Qt class that a class builds on: the first of its ancestors (or itself) named with a Q.
const QMetaObject* QtBase(const QMetaObject* meta)
{
    while (meta && !QByteArray(meta->className()).startsWith('Q'))
        meta = meta->superClass();
    return meta ? meta : &QWidget::staticMetaObject;
}

// Whether a property of meta is declared by Qt's classes, so that Qt's loader and form builder
// handle it, rather than by the class itself.
bool IsQtProperty(const QMetaObject* meta, const QString& name)
{
    const int index = meta->indexOfProperty(name.toUtf8().constData());
    return index >= 0 && index < QtBase(meta)->propertyCount();
}

std::vector<QDomElement> ChildElements(const QDomElement& parent, const QString& tag)
{
    std::vector<QDomElement> children;
    for (QDomElement child = parent.firstChildElement(tag); !child.isNull(); child = child.nextSiblingElement(tag))
        children.push_back(child);
    return children;
}

// Qt's loaders look for Designer plugins; ours would bring a second copy of the widget set into
// the process, and a layout needs none: the registered classes are made here.
template <class TBuilder>
void WithoutPlugins(TBuilder& builder)
{
    builder.clearPluginPaths();
}

// A new widget of each class, to tell which properties of a widget differ from the class's
// own start; also the meta-object of a registered class before the loader makes one.
class TSamples {
public:
    TSamples() { WithoutPlugins(FLoader); }

    QWidget* Of(const QString& className)
    {
        auto& sample = FSamples[className];
        if (!sample) {
            if (const TRegistered* registered = Registered(className))
                sample.reset(registered->Create(nullptr));
            else
                sample.reset(FLoader.createWidget(className));
        }
        return sample.get();
    }

private:
    QUiLoader FLoader;
    std::map<QString, std::unique_ptr<QWidget>> FSamples;
};

// The published properties of one component of a layout file, taken out of the file before Qt's
// loader sees it, to be applied once the loader has built the tree.
struct TPendingProperty {
    QString Path;
    TPropertyText Value;
};
struct TPendingComponent {
    QString ClassName;
    std::vector<TPendingProperty> Properties;
};

class TLoader : public QUiLoader {
public:
    TLoader() { WithoutPlugins(*this); }

    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override
    {
        QWidget* widget = nullptr;
        if (const TRegistered* registered = Registered(className)) {
            widget = registered->Create(parent);
            widget->setObjectName(name);
            Published.emplace_back(widget);
        } else {
            widget = QUiLoader::createWidget(className, parent, name);
        }
        if (widget)
            Created.emplace_back(widget);
        return widget;
    }

    std::vector<QPointer<QWidget>> Created;   // every widget of the layout, in creation order
    std::vector<QPointer<QWidget>> Published; // those of registered classes
};

class TReader {
public:
    explicit TReader(const QString& fileName) : FFileName(fileName) {}

    QWidget* Read(QWidget* parent)
    {
        std::vector<TPendingComponent> pending;
        const QByteArray form = WithoutPublishedProperties(pending);

        TLoader loader;
        // Outside the try, so that the layout is deleted only after its components were told.
        std::unique_ptr<QWidget> top;
        try {
            Build(loader, top, form, pending, parent);
            return top.release();
        } catch (...) {
            // The layout goes: no component of it may act on what it half holds (a history
            // box would save its empty list over the stored one).
            for (const QPointer<QWidget>& widget : loader.Created)
                if (auto* loadable = dynamic_cast<TLoadable*>(widget.data()))
                    loadable->ReadFailed();
            throw;
        }
    }

private:
    void Build(TLoader& loader, std::unique_ptr<QWidget>& top, QByteArray form,
               const std::vector<TPendingComponent>& pending, QWidget* parent) const
    {
        QBuffer buffer(&form);
        buffer.open(QIODevice::ReadOnly);
        top.reset(loader.load(&buffer, parent));
        if (!top)
            throw Error(QString(), QString(), loader.errorString());
        if (loader.Published.size() != pending.size())
            throw Error(QString(), QString(), QStringLiteral("コンポーネントを作成できません"));

        for (std::size_t i = 0; i < pending.size(); ++i)
            Apply(loader.Published[i], pending[i]);
        // Every component has its properties now: each may act on the others.
        for (const QPointer<QWidget>& widget : loader.Created)
            if (auto* loadable = dynamic_cast<TLoadable*>(widget.data()))
                loadable->Loaded();
    }

    // The file as Qt's loader gets it, copied token by token in one pass, without the published
    // properties of the registered classes' components: those go into pending, a component
    // for each such widget in the order of the file, which is the order the loader makes them.
    QByteArray WithoutPublishedProperties(std::vector<TPendingComponent>& pending) const
    {
        QFile file(FFileName);
        if (!file.open(QIODevice::ReadOnly))
            throw EToolkitError::FileOpen(FFileName);
        QXmlStreamReader reader(&file);
        reader.setNamespaceProcessing(false);
        QByteArray form;
        QXmlStreamWriter writer(&form);
        // The widgets open around the token read, and the depth of each one's element.
        struct TOpenWidget {
            int Depth;
            const QMetaObject* Meta; // of a registered class, else none
        };
        std::vector<TOpenWidget> widgets;
        int depth = 0;
        while (!reader.atEnd() && reader.readNext() != QXmlStreamReader::Invalid) {
            if (reader.isStartElement()) {
                ++depth;
                if (reader.name() == WidgetTag) {
                    const QString className = reader.attributes().value(QStringLiteral("class")).toString();
                    const TRegistered* registered = Registered(className);
                    widgets.push_back({depth, registered ? RegisteredMeta(*registered) : nullptr});
                    if (registered)
                        pending.push_back({className, {}});
                } else if (reader.name() == PropertyTag && !widgets.empty() && widgets.back().Meta
                           && widgets.back().Depth == depth - 1) {
                    const QString path = reader.attributes().value(QStringLiteral("name")).toString();
                    if (!IsQtProperty(widgets.back().Meta, path)) {
                        pending.back().Properties.push_back({path, ReadValue(reader)});
                        --depth;
                        continue;
                    }
                }
            } else if (reader.isEndElement()) {
                if (!widgets.empty() && widgets.back().Depth == depth)
                    widgets.pop_back();
                --depth;
            }
            writer.writeCurrentToken(reader);
        }
        if (reader.hasError())
            throw Error(QString(), QString(), QStringLiteral("%1 行目: %2").arg(reader.lineNumber()).arg(reader.errorString()));
        return form;
    }

    // The value of the property element the reader is at, which it reads to its end: the text of
    // its first element, with every text inside it; a <color> gives its channels as #RRGGBB.
    static TPropertyText ReadValue(QXmlStreamReader& reader)
    {
        TPropertyText value;
        bool valueRead = false;
        while (reader.readNext() != QXmlStreamReader::Invalid && !reader.isEndElement()) {
            if (!reader.isStartElement())
                continue;
            if (valueRead) {
                reader.skipCurrentElement();
                continue;
            }
            valueRead = true;
            value.Kind = reader.name().toString();
            if (value.Kind != ColorTag) {
                value.Text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
                continue;
            }
            // The first of each channel's elements counts.
            std::map<QString, int> channels;
            while (reader.readNextStartElement()) {
                const QString tag = reader.name().toString();
                const int level = std::clamp(reader.readElementText(QXmlStreamReader::IncludeChildElements).toInt(), 0, 255);
                channels.emplace(tag, level);
            }
            value.Text = QColor(channels[RedTag], channels[GreenTag], channels[BlueTag]).name().toUpper();
        }
        return value;
    }

    void Apply(QWidget* widget, const TPendingComponent& component) const
    {
        const QString name = widget->objectName().isEmpty() ? component.ClassName : widget->objectName();
        for (const auto& [path, text] : component.Properties) {
            const std::optional<TPublishedProperty> property = TPublishedProperty::Find(widget, path);
            if (!property)
                throw Error(name, path, QStringLiteral("プロパティ %1 は存在しません").arg(path));
            QString why;
            const QVariant value = text.ValueFor(property->Meta(), why);
            if (!value.isValid())
                throw Error(name, path, why);
            if (!property->SetValue(value))
                throw Error(name, path, QStringLiteral("プロパティ %1 は読み取り専用です").arg(path));
        }
    }

    EToolkitError Error(const QString& component, const QString& property, const QString& reason) const
    {
        return EToolkitError::ReadError(FFileName, component, property, reason);
    }

    QString FFileName;
};

class TWriter {
public:
    void Write(const QString& fileName, QWidget* form)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QFormBuilder builder;
        WithoutPlugins(builder);
        builder.save(&buffer, form);
        QDomDocument document;
        document.setContent(buffer.data());

        std::map<QString, QWidget*> byName;
        byName.emplace(form->objectName(), form);
        for (QWidget* child : form->findChildren<QWidget*>())
            byName.emplace(child->objectName(), child);

        std::set<QString> customClasses;
        const QDomNodeList widgets = document.elementsByTagName(WidgetTag);
        for (int i = 0; i < widgets.size(); ++i) {
            QDomElement element = widgets.at(i).toElement();
            const auto found = byName.find(element.attribute(QStringLiteral("name")));
            if (found == byName.end())
                continue;
            QWidget* widget = found->second;
            KeepDifferingQtProperties(element, widget);
            if (Registered(element.attribute(QStringLiteral("class")))) {
                customClasses.insert(element.attribute(QStringLiteral("class")));
                AddPublishedProperties(document, element, widget);
            }
        }
        AddCustomWidgets(document, customClasses);
        Save(fileName, Serialized(document));
    }

private:
    // Drops what the form builder wrote for the class's own properties (they are written
    // below, by the published rules) and every Qt property that a new widget has as well.
    void KeepDifferingQtProperties(QDomElement& element, QWidget* widget)
    {
        const QWidget* sample = FSamples.Of(element.attribute(QStringLiteral("class")));
        const QMetaObject* meta = widget->metaObject();
        for (QDomElement property : ChildElements(element, PropertyTag)) {
            const QString name = property.attribute(QStringLiteral("name"));
            const int index = meta->indexOfProperty(name.toUtf8().constData());
            if (index < 0)
                continue; // a dynamic property: kept as written
            const QMetaProperty qtProperty = meta->property(index);
            const bool keep = IsQtProperty(meta, name)
                && (!sample
                    || (qtProperty.isDesignable() && qtProperty.isStored() && qtProperty.isWritable()
                        && qtProperty.read(sample) != qtProperty.read(widget)));
            if (!keep)
                element.removeChild(property);
        }
    }

    static void AddPublishedProperties(QDomDocument& document, QDomElement& element, QWidget* widget)
    {
        // Properties come before the children in a widget's element.
        QDomNode before = element.firstChild();
        while (!before.isNull() && (before.nodeName() == QLatin1String("class") || before.nodeName() == PropertyTag))
            before = before.nextSibling();
        for (const TPublishedProperty& property : TPublishedProperty::Of(widget)) {
            if (!property.IsWritten())
                continue;
            TPropertyText text = TPropertyText::From(property.Meta(), property.Value());
            QDomElement stored = document.createElement(PropertyTag);
            stored.setAttribute(QStringLiteral("name"), property.Path());
            // uic sets a property without a Qt-style setter through setProperty, and one of an
            // owned object through its path. An owned object's set or enumeration ("Font.Style")
            // is written as its identifiers in a <string>: uic passes it on as text and Qt's
            // property write turns the identifiers into the value, so that the generated code
            // needs no C++ name of the owned object's class (Qt Designer's own reader takes a
            // <set> or an <enum> only for a widget's own property).
            const bool owned = property.Object() != widget;
            if (!property.Meta().hasStdCppSet() || owned)
                stored.setAttribute(QStringLiteral("stdset"), QStringLiteral("0"));
            const bool identifiers = property.Meta().isFlagType() || property.Meta().isEnumType();
            if (owned && identifiers)
                text.Kind = StringTag;
            QDomElement value = ValueElement(document, text);
            // A colour's name and a set's identifiers are no text for a translator: uic would
            // otherwise pass them through QCoreApplication::translate.
            if (text.Kind == StringTag && (identifiers || TPropertyText::IsColor(property.Meta())))
                value.setAttribute(QStringLiteral("notr"), QStringLiteral("true"));
            stored.appendChild(value);
            if (before.isNull())
                element.appendChild(stored);
            else
                element.insertBefore(stored, before);
        }
    }

    static QDomElement ValueElement(QDomDocument& document, const TPropertyText& text)
    {
        QDomElement value = document.createElement(text.Kind);
        if (text.Kind == ColorTag) {
            const QColor color(text.Text);
            for (const auto& [tag, channel] : {std::pair(RedTag, color.red()), std::pair(GreenTag, color.green()),
                                               std::pair(BlueTag, color.blue())})
                value.appendChild(document.createElement(tag)).appendChild(document.createTextNode(QString::number(channel)));
        } else {
            value.appendChild(document.createTextNode(text.Text));
        }
        return value;
    }

    // Names each class of ours with the Qt class it extends and its header, for Qt Designer
    // and uic.
    void AddCustomWidgets(QDomDocument& document, const std::set<QString>& classes)
    {
        if (classes.empty())
            return;
        QDomElement ui = document.documentElement();
        QDomElement list = ui.firstChildElement(QStringLiteral("customwidgets"));
        if (list.isNull())
            list = ui.appendChild(document.createElement(QStringLiteral("customwidgets"))).toElement();
        const auto add = [&](QDomElement parent, const QString& tag, const QString& text) {
            parent.appendChild(document.createElement(tag)).appendChild(document.createTextNode(text));
        };
        for (const QString& className : classes) {
            QDomElement custom = list.appendChild(document.createElement(QStringLiteral("customwidget"))).toElement();
            add(custom, QStringLiteral("class"), className);
            add(custom, QStringLiteral("extends"), QString::fromLatin1(QtBase(FSamples.Of(className)->metaObject())->className()));
            const QString header = Registered(className)->Header;
            add(custom, QStringLiteral("header"),
                header.isEmpty() ? QStringLiteral("widgets/%1.h").arg(BareClassName(className).mid(1)) : header);
        }
    }

    // The document as text, each element's attributes in one fixed order (QDom keeps them in a
    // hash, whose order changes from run to run): "class" and "name" first, as Qt Designer
    // writes them, then the others by name. The same form thus always gives the same bytes.
    static QByteArray Serialized(const QDomDocument& document)
    {
        QByteArray bytes;
        QXmlStreamWriter writer(&bytes);
        writer.setAutoFormatting(true);
        writer.setAutoFormattingIndent(1);
        writer.writeStartDocument();
        for (QDomNode node = document.firstChild(); !node.isNull(); node = node.nextSibling())
            WriteNode(writer, node);
        writer.writeEndDocument();
        return bytes;
    }

    static void WriteNode(QXmlStreamWriter& writer, const QDomNode& node)
    {
        if (node.isText()) {
            writer.writeCharacters(node.nodeValue());
        } else if (node.isComment()) {
            writer.writeComment(node.nodeValue());
        } else if (node.isElement()) {
            writer.writeStartElement(node.nodeName());
            const QDomNamedNodeMap attributes = node.attributes();
            QStringList names;
            for (int i = 0; i < attributes.size(); ++i)
                names << attributes.item(i).nodeName();
            const auto rank = [](const QString& name) {
                return name == QLatin1String("class") ? 0 : name == QLatin1String("name") ? 1 : 2;
            };
            std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
                return std::pair(rank(a), a) < std::pair(rank(b), b);
            });
            for (const QString& name : names)
                writer.writeAttribute(name, attributes.namedItem(name).nodeValue());
            for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling())
                WriteNode(writer, child);
            writer.writeEndElement();
        }
    }

    static void Save(const QString& fileName, const QByteArray& bytes)
    {
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw EToolkitError::FileOpen(fileName);
    }

    TSamples FSamples;
};

} // namespace

void TStoredLayout::RegisterClass(const QString& className, TCreate create, const QString& header)
{
    Registry()[className] = TRegistered{std::move(create), header};
}

QWidget* TStoredLayout::Create(const QString& className, QWidget* parent)
{
    const TRegistered* registered = Registered(className);
    return registered ? registered->Create(parent) : nullptr;
}

QWidget* TStoredLayout::Read(const QString& fileName, QWidget* parent)
{
    return TReader(fileName).Read(parent);
}

void TStoredLayout::Write(const QString& fileName, QWidget* form)
{
    TWriter().Write(fileName, form);
}

} // namespace TarvoWidgets
