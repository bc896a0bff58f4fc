// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The widget set's property sheet as Qt Designer uses it: a real form editor core that loads the
// plugin from this build, a form read from .ui text, values set through the sheet as the
// property editor sets them (setProperty, then setChanged), and the text that Designer saves.
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Font.h"
#include "widgets/ShineBtnColors.h"
#include "widgets/ShineSpeedButton.h"
#include "Warnings.h"

#include <QCoreApplication>
#include <QDesignerComponents>
#include <QFile>
#include <QDir>
#include <QExtensionManager>
#include <QImage>
#include <QTemporaryDir>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QDesignerDynamicPropertySheetExtension>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <QtDesigner/private/pluginmanager_p.h>
#include <QtDesigner/private/qdesigner_utils_p.h>
#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <vector>

using namespace TarvoWidgets;
using qdesigner_internal::PropertySheetFlagValue;
using qdesigner_internal::PropertySheetPixmapValue;
using qdesigner_internal::PropertySheetStringValue;

namespace {

const char* const ButtonForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>Form</class>
<widget class="QWidget" name="Form">
 <property name="geometry"><rect><x>0</x><y>0</y><width>200</width><height>100</height></rect></property>
 <widget class="TarvoWidgets::TShineSpeedButton" name="Button">
  <property name="geometry"><rect><x>10</x><y>10</y><width>80</width><height>30</height></rect></property>
  <property name="Caption" stdset="0"><string>Go</string></property>
  <property name="Colors.Color" stdset="0"><string>clHighlight</string></property>
  <property name="Font.Style" stdset="0"><set>fsBold|fsItalic</set></property>
  <property name="ActiveFont.Style" stdset="0"><string>fsUnderline</string></property>
 </widget>
</widget>
<customwidgets><customwidget><class>TarvoWidgets::TShineSpeedButton</class><extends>QWidget</extends>
 <header>widgets/ShineSpeedButton.h</header></customwidget></customwidgets>
</ui>)";

// A colour's name as the editor shows it: a text that is not translated.
QVariant Untranslated(const char* name)
{
    return QVariant::fromValue(PropertySheetStringValue(QString::fromLatin1(name), false));
}

class DesignerSheet : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Designer keeps settings (recent plugins, window layout): none of the user's.
        static QTemporaryDir settings;
        qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
        // This build's plugin alone: a copy installed in Qt's own plugin folder would register
        // its own sheet factory beside it.
        QCoreApplication::setLibraryPaths({QStringLiteral(TARVO_DESIGNER_PLUGINS)});
        Core = QDesignerComponents::createFormEditor(nullptr);
        QDesignerComponents::initializePlugins(Core);
        // What Designer's main window sets up before it opens a form.
        Core->setPropertyEditor(QDesignerComponents::createPropertyEditor(Core, nullptr));
        new QDesignerIntegration(Core, Core);
    }

    void SetUp() override
    {
        Form.reset(Core->formWindowManager()->createFormWindow());
        Form->setContents(QString::fromUtf8(ButtonForm));
        Button = Form->findChild<TShineSpeedButton*>(QStringLiteral("Button"));
        ASSERT_NE(Button, nullptr) << "the plugin was not loaded from " TARVO_DESIGNER_PLUGINS;
        Sheet = qt_extension<QDesignerPropertySheetExtension*>(Core->extensionManager(), Button);
        ASSERT_NE(Sheet, nullptr);
    }

    // A value given as Designer's property editor gives it.
    void Edit(const QString& name, const QVariant& value)
    {
        const int index = Sheet->indexOf(name);
        ASSERT_GE(index, 0) << name.toStdString();
        Sheet->setProperty(index, value);
        Sheet->setChanged(index, true);
    }
    // Whether the property editor shows the row: it goes through the sheet's rows, not by name.
    bool ShownInEditor(const QString& name) const
    {
        for (int index = 0; index < Sheet->count(); ++index)
            if (Sheet->propertyName(index) == name)
                return Sheet->isVisible(index);
        ADD_FAILURE() << "no row " << name.toStdString();
        return false;
    }
    QVariant Shown(const QString& name) const { return Sheet->property(Sheet->indexOf(name)); }
    bool Changed(const QString& name) const { return Sheet->isChanged(Sheet->indexOf(name)); }
    // The attributes that Designer saves a property with (' stdset="0"'), or none if it saves none.
    QString Attributes(const QString& name) const
    {
        const QString text = Form->contents();
        const QString start = QStringLiteral("<property name=\"%1\"").arg(name);
        const qsizetype at = text.indexOf(start);
        return at < 0 ? QString() : text.mid(at + start.size(), text.indexOf(QLatin1Char('>'), at) - at - start.size());
    }
    // The element that Designer saves for a property ("<string>clBtnFace</string>"), empty when
    // it saves none.
    QString Saved(const QString& name) const
    {
        const QString text = Form->contents();
        const QString start = QStringLiteral("<property name=\"%1\"").arg(name);
        const qsizetype at = text.indexOf(start);
        if (at < 0)
            return {};
        const qsizetype from = text.indexOf(QLatin1Char('>'), at) + 1;
        const qsizetype to = text.indexOf(QStringLiteral("</property>"), from);
        return text.mid(from, to - from).simplified().remove(QLatin1Char(' '));
    }

    static inline QDesignerFormEditorInterface* Core = nullptr;
    std::unique_ptr<QDesignerFormWindowInterface> Form;
    TShineSpeedButton* Button = nullptr;
    QDesignerPropertySheetExtension* Sheet = nullptr;
};

TEST_F(DesignerSheet, ReadsTheFormsSetsAndTextsWithoutAWord)
{
    TWarnings warnings;
    SetUp();
    EXPECT_EQ(Button->Font()->Style(), TFont::fsBold | TFont::fsItalic);
    EXPECT_EQ(Button->ActiveFont()->Style(), TFont::TFontStyles(TFont::fsUnderline));
    EXPECT_EQ(Button->Colors()->Color(), clr::Highlight);
    EXPECT_TRUE(warnings.Texts.isEmpty()) << warnings.Texts.join(QLatin1Char('\n')).toStdString();
}

TEST_F(DesignerSheet, GlyphPictureFromAFileOrAResourceIsStoredAsTheGlyph)
{
    QTemporaryDir folder;
    QImage picture(5, 3, QImage::Format_ARGB32);
    picture.fill(QColor(200, 20, 40));
    // What a file carries beside its pixels is no part of the glyph.
    picture.setText(QStringLiteral("Comment"), QStringLiteral("drawn by hand"));
    const QString file = folder.filePath(QStringLiteral("arrow.png"));
    ASSERT_TRUE(picture.save(file));
    // A picture that Qt's own resources hold, as a form's resource file would.
    const QString resource = QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-apply-16.png");
    ASSERT_FALSE(QImage(resource).isNull());

    for (const QString& path : {file, resource}) {
        SCOPED_TRACE(path.toStdString());
        SetUp();
        const QVariant before = Shown(QStringLiteral("Glyph"));
        Edit(QStringLiteral("GlyphPicture"), QVariant::fromValue(PropertySheetPixmapValue(path)));

        const QImage chosen = QImage(path).convertToFormat(QImage::Format_ARGB32);
        const QImage glyph = Button->Glyph()->Image().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(glyph.size(), chosen.size());
        const QPoint middle(chosen.width() / 2, chosen.height() / 2);
        EXPECT_EQ(glyph.pixel(middle), chosen.pixel(middle));
        EXPECT_EQ(Shown(QStringLiteral("GlyphPicture")).value<PropertySheetPixmapValue>().path(), path);
        // The form stores the glyph as it always has, and the editor's own row not at all.
        EXPECT_TRUE(Changed(QStringLiteral("Glyph")));
        EXPECT_FALSE(Changed(QStringLiteral("GlyphPicture")));
        EXPECT_EQ(Saved(QStringLiteral("Glyph")), QStringLiteral("<stringnotr=\"true\">%1</string>").arg(Button->GlyphText()));
        EXPECT_FALSE(Form->contents().contains(QStringLiteral("GlyphPicture")));
        EXPECT_TRUE(Button->Glyph()->Image().textKeys().isEmpty());
        EXPECT_FALSE(QByteArray::fromBase64(Button->GlyphText().toLatin1()).contains("tEXt"));

        // Undone back to no choice: the glyph as it was, stored as before.
        Edit(QStringLiteral("GlyphPicture"), QVariant::fromValue(PropertySheetPixmapValue()));
        EXPECT_TRUE(Button->Glyph()->Empty());
        EXPECT_EQ(Shown(QStringLiteral("Glyph")), before);
        EXPECT_FALSE(Changed(QStringLiteral("Glyph")));
    }
}

TEST_F(DesignerSheet, AFileThatIsNoPictureLeavesTheGlyph)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("notes.png"));
    QFile notes(file);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not a picture");
    notes.close();
    TWarnings warnings;
    Edit(QStringLiteral("GlyphPicture"), QVariant::fromValue(PropertySheetPixmapValue(file)));
    EXPECT_TRUE(Button->Glyph()->Empty());
    EXPECT_FALSE(Changed(QStringLiteral("Glyph")));
    EXPECT_EQ(warnings.Texts.size(), 1);
}

TEST_F(DesignerSheet, FontEditorWritesTheFontsDottedPropertiesThatDiffer)
{
    const QVariant shown = Shown(QStringLiteral("Font"));
    ASSERT_EQ(shown.metaType().id(), QMetaType::QFont);
    QFont face = shown.value<QFont>();
    EXPECT_EQ(face.family(), Button->Font()->Name());
    EXPECT_TRUE(face.bold() && face.italic());
    // The editor's rows for the face stand in for the dotted ones; the colour stays beside it.
    EXPECT_FALSE(ShownInEditor(QStringLiteral("Font.Name")));
    EXPECT_FALSE(ShownInEditor(QStringLiteral("Font.Style")));
    EXPECT_TRUE(ShownInEditor(QStringLiteral("Font.Color")));
    EXPECT_TRUE(ShownInEditor(QStringLiteral("Font")));

    face.setFamily(QStringLiteral("DejaVu Serif"));
    face.setItalic(false);
    face.setStrikeOut(true);
    Edit(QStringLiteral("Font"), face);

    EXPECT_EQ(Button->Font()->Name(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(Button->Font()->Style(), TFont::fsBold | TFont::fsStrikeOut);
    EXPECT_EQ(Saved(QStringLiteral("Font.Name")), QStringLiteral("<string>DejaVuSerif</string>"));
    EXPECT_EQ(Saved(QStringLiteral("Font.Style")), QStringLiteral("<set>TarvoWidgets::TFont::fsBold|TarvoWidgets::TFont::fsStrikeOut</set>"));
    // The size was not touched: not stored, so it keeps following the application's font.
    EXPECT_FALSE(Changed(QStringLiteral("Font.Size")));
    EXPECT_TRUE(Saved(QStringLiteral("Font.Size")).isEmpty());
    EXPECT_FALSE(Changed(QStringLiteral("Font")));
    EXPECT_FALSE(Form->contents().contains(QStringLiteral("<font>")));
}

TEST_F(DesignerSheet, ColoursArePlainInTheColourEditorAndSystemOnesByName)
{
    struct Case {
        const char* Name;
        QVariant Edited;
        TColor Value;
        QVariant Shown;
        QString Saved;
    };
    const Case cases[] = {
        {"ShineColor", QColor(18, 52, 86), RGBColor(18, 52, 86), QColor(18, 52, 86),
         QStringLiteral("<color><red>18</red><green>52</green><blue>86</blue></color>")},
        {"ShineColor", QStringLiteral("clBtnFace"), clr::BtnFace, Untranslated("clBtnFace"),
         QStringLiteral("<stringnotr=\"true\">clBtnFace</string>")},
        {"ShineColor", QStringLiteral("#102030"), RGBColor(0x10, 0x20, 0x30), QColor(0x10, 0x20, 0x30),
         QStringLiteral("<color><red>16</red><green>32</green><blue>48</blue></color>")},
        {"Colors.Color", QColor(1, 2, 3), RGBColor(1, 2, 3), QColor(1, 2, 3),
         QStringLiteral("<color><red>1</red><green>2</green><blue>3</blue></color>")},
        {"Colors.Color", Untranslated("clNone"), clr::None, Untranslated("clNone"),
         QStringLiteral("<stringnotr=\"true\">clNone</string>")},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromLatin1(c.Name);
        SCOPED_TRACE(name.toStdString() + " = " + c.Edited.toString().toStdString());
        Edit(name, c.Edited);
        const QVariant value = name.startsWith(QStringLiteral("Colors."))
            ? Button->Colors()->property("Color")
            : Button->property(c.Name);
        EXPECT_EQ(value.value<TColor>(), c.Value);
        EXPECT_EQ(Shown(name), c.Shown);
        EXPECT_EQ(Saved(name), c.Saved);
    }
}

TEST_F(DesignerSheet, AResetTakesAPlainColourBackToTheNameItWasMadeWith)
{
    for (const char* name : {"DisabledShadow", "PressedColors.Color"}) {
        SCOPED_TRACE(name);
        const QString row = QString::fromLatin1(name);
        const QVariant made = Shown(row);
        ASSERT_EQ(made.metaType(), QMetaType::fromType<PropertySheetStringValue>()) << "a system colour by name";
        Edit(row, QColor(9, 8, 7));
        ASSERT_EQ(Shown(row), QColor(9, 8, 7));
        ASSERT_TRUE(Sheet->hasReset(Sheet->indexOf(row)));
        Sheet->reset(Sheet->indexOf(row));
        Sheet->setChanged(Sheet->indexOf(row), false);
        EXPECT_EQ(Shown(row), made);
        EXPECT_TRUE(Saved(row).isEmpty());
    }
}

TEST_F(DesignerSheet, FontStyleIsAFlagSetInTheFlagsEditor)
{
    const QVariant shown = Shown(QStringLiteral("ActiveFont.Style"));
    ASSERT_EQ(shown.metaType(), QMetaType::fromType<PropertySheetFlagValue>());
    EXPECT_EQ(shown.value<PropertySheetFlagValue>().value, int(TFont::fsUnderline));
    Edit(QStringLiteral("ActiveFont.Style"),
         QVariant::fromValue(PropertySheetFlagValue(TFont::fsItalic | TFont::fsUnderline, shown.value<PropertySheetFlagValue>().metaFlags)));
    EXPECT_EQ(Button->ActiveFont()->Style(), TFont::fsItalic | TFont::fsUnderline);
    EXPECT_EQ(Saved(QStringLiteral("ActiveFont.Style")), QStringLiteral("<set>TarvoWidgets::TFont::fsItalic|TarvoWidgets::TFont::fsUnderline</set>"));
}

TEST_F(DesignerSheet, WhatTheWidgetHasNoQtStyleSetterForIsSavedByNameOnlyWhenChanged)
{
    // uic sets a property without stdset="0" by "set" + its name: no such setter exists for an owned
    // object's property nor for a property of the set's own classes (which Designer itself knows).
    Edit(QStringLiteral("Colors.GradColor"), QColor(1, 2, 3));
    Edit(QStringLiteral("Margin"), 7);
    QFont face = Shown(QStringLiteral("Font")).value<QFont>();
    face.setFamily(QStringLiteral("DejaVu Serif"));
    Edit(QStringLiteral("Font"), face);
    Edit(QStringLiteral("toolTip"), QStringLiteral("a tip"));
    for (const char* name : {"Colors.GradColor", "Margin", "Caption", "Font.Style", "Font.Name", "ActiveFont.Style"})
        EXPECT_EQ(Attributes(QString::fromLatin1(name)), QStringLiteral(" stdset=\"0\"")) << name;
    // Qt's own properties keep their setters.
    for (const char* name : {"geometry", "toolTip"})
        EXPECT_EQ(Attributes(QString::fromLatin1(name)), QString()) << name;
    // Unchanged ones, the hidden ones behind the font's row among them, are not saved.
    for (const char* name : {"Colors.Highlight", "Spacing", "Font.Size", "ActiveFont.Name", "PressedColors.Color"})
        EXPECT_FALSE(Form->contents().contains(QStringLiteral("\"%1\"").arg(QString::fromLatin1(name)))) << name;
    // The rows stay where they were in the editor: in their group, and hidden behind the font's row.
    const int margin = Sheet->indexOf(QStringLiteral("Margin"));
    EXPECT_EQ(Sheet->propertyGroup(Sheet->indexOf(QStringLiteral("Colors.GradColor"))), QStringLiteral("Colors"));
    EXPECT_EQ(Sheet->propertyGroup(margin), QStringLiteral("TarvoWidgets::TShineSpeedButton"));
    EXPECT_FALSE(ShownInEditor(QStringLiteral("Font.Name")));
    // No Q_PROPERTY can be removed as a dynamic property, and no added row made anew.
    auto* dynamic = qt_extension<QDesignerDynamicPropertySheetExtension*>(Core->extensionManager(), Button);
    ASSERT_NE(dynamic, nullptr);
    EXPECT_FALSE(dynamic->removeDynamicProperty(margin));
    EXPECT_FALSE(dynamic->canAddDynamicProperty(QStringLiteral("Colors.GradColor")));
    EXPECT_EQ(Sheet->indexOf(QStringLiteral("Margin")), margin);

    // The editor's "remove" of a changed added row (its undo adds it back): the row stays, stored
    // no more, with the value it was made with; the undo gives it its value back, stored.
    const int grad = Sheet->indexOf(QStringLiteral("Colors.GradColor"));
    const TColor made = TShineSpeedButton(nullptr).Colors()->GradColor();
    ASSERT_TRUE(dynamic->isDynamicProperty(grad));
    EXPECT_TRUE(dynamic->removeDynamicProperty(grad));
    EXPECT_EQ(Button->Colors()->GradColor(), made);
    EXPECT_FALSE(dynamic->isDynamicProperty(grad));
    EXPECT_TRUE(Saved(QStringLiteral("Colors.GradColor")).isEmpty());
    EXPECT_EQ(dynamic->addDynamicProperty(QStringLiteral("Colors.GradColor"), QColor(1, 2, 3)), grad);
    EXPECT_EQ(Button->Colors()->GradColor(), RGBColor(1, 2, 3));

    // A dynamic property that the user adds moves the owned rows, which keep their changes.
    ASSERT_TRUE(dynamic->dynamicPropertiesAllowed());
    const int note = dynamic->addDynamicProperty(QStringLiteral("note"), QStringLiteral("seen"));
    ASSERT_GE(note, 0);
    Sheet->setChanged(note, true);
    EXPECT_TRUE(Changed(QStringLiteral("Colors.GradColor")));
    EXPECT_FALSE(Changed(QStringLiteral("Colors.Highlight")));
    EXPECT_EQ(Attributes(QStringLiteral("note")), QStringLiteral(" stdset=\"0\""));
    EXPECT_EQ(Saved(QStringLiteral("Colors.GradColor")), QStringLiteral("<color><red>1</red><green>2</green><blue>3</blue></color>"));
    EXPECT_TRUE(dynamic->removeDynamicProperty(note));
    EXPECT_EQ(Attributes(QStringLiteral("note")), QString());
}

// ---------------------------------------------------------------------------------------------
// New widgets from the widget box: the plugin's domXml, as Designer drops it onto a form.

// What an entry's domXml gives a new widget: its object name, size and caption.
struct TNewWidget {
    QString ClassName;
    QString Name;
    QSize Size;
    QString Caption;
    QString Element; // the <widget> element, as a form holds it
};

TNewWidget NewWidget(const QDesignerCustomWidgetInterface& plugin)
{
    TNewWidget result{plugin.name(), {}, {}, {}, {}};
    const QString xml = plugin.domXml();
    const qsizetype from = xml.indexOf(QStringLiteral("<widget"));
    result.Element = xml.mid(from, xml.lastIndexOf(QStringLiteral("</widget>")) + 9 - from);
    QXmlStreamReader reader(xml);
    QString property;
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("widget"))
            result.Name = reader.attributes().value(QLatin1String("name")).toString();
        else if (reader.name() == QLatin1String("property"))
            property = reader.attributes().value(QLatin1String("name")).toString();
        else if (reader.name() == QLatin1String("width"))
            result.Size.setWidth(reader.readElementText().toInt());
        else if (reader.name() == QLatin1String("height"))
            result.Size.setHeight(reader.readElementText().toInt());
        else if (reader.name() == QLatin1String("string") && property == QLatin1String("Caption"))
            result.Caption = reader.readElementText();
    }
    return result;
}

// The widget set's entries in Designer's widget box.
std::vector<TNewWidget> NewWidgets(QDesignerFormEditorInterface* core)
{
    std::vector<TNewWidget> widgets;
    for (QDesignerCustomWidgetInterface* plugin : core->pluginManager()->registeredCustomWidgets())
        if (plugin->name().startsWith(QLatin1String("TarvoWidgets::")))
            widgets.push_back(NewWidget(*plugin));
    return widgets;
}

// A form holding one new widget of each entry, as Designer has it after the drops.
QString FormWithNewWidgets(const std::vector<TNewWidget>& widgets)
{
    QString children;
    QString custom;
    for (const TNewWidget& widget : widgets) {
        children += widget.Element;
        const bool comboBox = widget.ClassName.endsWith(QLatin1String("ComboBox"));
        custom += QStringLiteral("<customwidget><class>%1</class><extends>%2</extends><header>h.h</header></customwidget>")
                      .arg(widget.ClassName, QLatin1String(comboBox ? "QComboBox" : "QWidget"));
    }
    return QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>NewWidgets</class>
<widget class="QWidget" name="NewWidgets">
 <property name="geometry"><rect><x>0</x><y>0</y><width>600</width><height>400</height></rect></property>
%1
</widget>
<customwidgets>%2</customwidgets>
</ui>)").arg(children, custom);
}

TEST_F(DesignerSheet, NewWidgetsAreNamedAsDesignerNamesItsOwnAndUicMakesMembersOfThoseNames)
{
    const std::map<QString, QString> expected{
        {QStringLiteral("TarvoWidgets::TZRKFadeButton"), QStringLiteral("zrkFadeButton")},
        {QStringLiteral("TarvoWidgets::TShineSpeedButton"), QStringLiteral("shineSpeedButton")},
        {QStringLiteral("TarvoWidgets::THistoryComboBox"), QStringLiteral("historyComboBox")},
        {QStringLiteral("TarvoWidgets::TSpeedButton"), QStringLiteral("speedButton")},
    };
    const std::vector<TNewWidget> widgets = NewWidgets(Core);
    ASSERT_EQ(widgets.size(), expected.size());
    for (const TNewWidget& widget : widgets) {
        ASSERT_TRUE(expected.count(widget.ClassName)) << widget.ClassName.toStdString();
        EXPECT_EQ(widget.Name, expected.at(widget.ClassName));
    }

    // Saved by Designer and compiled by uic: members of those names.
    Form.reset(Core->formWindowManager()->createFormWindow());
    Form->setContents(FormWithNewWidgets(widgets));
    QTemporaryDir folder;
    const QString ui = folder.filePath(QStringLiteral("NewWidgets.ui"));
    QFile file(ui);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Form->contents().toUtf8());
    file.close();
    QProcess uic;
    uic.start(QStringLiteral(TARVO_UIC), {ui});
    ASSERT_TRUE(uic.waitForFinished(60000));
    ASSERT_EQ(uic.exitCode(), 0) << uic.readAllStandardError().toStdString();
    const QString code = QString::fromUtf8(uic.readAllStandardOutput());
    for (const auto& [className, name] : expected)
        EXPECT_TRUE(code.contains(QStringLiteral("%1 *%2;").arg(className, name))) << name.toStdString() << "\n" << code.toStdString();
}

TEST_F(DesignerSheet, NewWidgetsComeAtTheirSizeHintWithTheButtonsCaptioned)
{
    const std::vector<TNewWidget> widgets = NewWidgets(Core);
    Form.reset(Core->formWindowManager()->createFormWindow());
    Form->setContents(FormWithNewWidgets(widgets));
    for (const TNewWidget& entry : widgets) {
        SCOPED_TRACE(entry.ClassName.toStdString());
        auto* widget = Form->findChild<QWidget*>(entry.Name);
        ASSERT_NE(widget, nullptr);
        // A button comes with a caption, as Designer's own do ("PushButton"), and room for it.
        const bool button = widget->metaObject()->indexOfProperty("Caption") >= 0;
        EXPECT_EQ(widget->property("Caption").toString(), button ? entry.ClassName.section(QLatin1String("::T"), 1) : QString());
        EXPECT_EQ(widget->size(), widget->sizeHint());
        EXPECT_EQ(entry.Size, widget->sizeHint());
    }
    // The shine button no longer comes at the toolkit's 25 by 25, its caption cut.
    auto* shine = Form->findChild<TShineSpeedButton*>(QStringLiteral("shineSpeedButton"));
    ASSERT_NE(shine, nullptr);
    EXPECT_GT(shine->width(), shine->fontMetrics().horizontalAdvance(shine->Caption()));
}

TEST_F(DesignerSheet, QtsRowsThatTheWidgetNeverReadsAreHidden)
{
    Form.reset(Core->formWindowManager()->createFormWindow());
    Form->setContents(FormWithNewWidgets(NewWidgets(Core)));
    // Row by row as the property editor goes: hidden, or shown.
    const auto shown = [&](const char* widgetName, const char* row) {
        auto* widget = Form->findChild<QWidget*>(QString::fromLatin1(widgetName));
        auto* sheet = widget ? qt_extension<QDesignerPropertySheetExtension*>(Core->extensionManager(), widget) : nullptr;
        for (int index = 0; sheet && index < sheet->count(); ++index)
            if (sheet->propertyName(index) == QLatin1String(row))
                return sheet->isVisible(index);
        ADD_FAILURE() << widgetName << " has no row " << row;
        return false;
    };
    const struct {
        const char* Widget;
        bool Font;
        bool Palette;
    } cases[] = {
        {"shineSpeedButton", false, false}, // Font and ActiveFont, the application's palette
        {"zrkFadeButton", true, false},     // Qt's font; the application's palette
        {"speedButton", true, false},
        {"historyComboBox", true, true},    // a QComboBox, styled as any
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shown(c.Widget, "font"), c.Font) << c.Widget;
        EXPECT_EQ(shown(c.Widget, "palette"), c.Palette) << c.Widget;
        EXPECT_TRUE(shown(c.Widget, "toolTip")) << c.Widget;
    }
}

} // namespace
