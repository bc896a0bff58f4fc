// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "LayoutRoundTrip.h"
#include "ShineStateSample.h"

#include "toolkit/properties/Loadable.h"
#include "toolkit/properties/PublishedProperty.h"
#include "layouts/StoredLayout.h"
#include "toolkit/base/ToolkitError.h"
#include "widgets/ShineSpeedButton.h"
#include "layouts/WidgetSet.h"
#include "widgets/ZRKFadeButton.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace TarvoWidgets;

// An owned object published through a pointer, as the shine button publishes its colour sets.
class TProbeColors : public QObject {
    Q_OBJECT
    Q_PROPERTY(TColor Face READ Face WRITE SetFace)
    Q_CLASSINFO("Default:Face", "clBtnFace")
    Q_PROPERTY(int Depth READ Depth WRITE SetDepth)
    Q_CLASSINFO("Default:Depth", "1")

public:
    using QObject::QObject;
    TColor Face() const { return FFace; }
    void SetFace(TColor value) { FFace = value; }
    int Depth() const { return FDepth; }
    void SetDepth(int value) { FDepth = value; }

private:
    TColor FFace = clr::BtnFace;
    int FDepth = 1;
};

// A fade button that can be read from a layout, owns a colour set, and notes each Loaded with
// what it saw of the layout at that moment.
class TLoadProbe : public TZRKFadeButton, public TLoadable {
    Q_OBJECT
    Q_PROPERTY(TProbeColors* Colors READ Colors)

public:
    explicit TLoadProbe(QWidget* parent = nullptr) : TZRKFadeButton(parent) {}
    TProbeColors* Colors() const { return FColors; }

    inline static QStringList Log;
    inline static QString FailIn;

    void Loaded() override
    {
        // Every component has its properties by now, the ones created after this one too.
        QStringList captions;
        for (auto* probe : window()->findChildren<TLoadProbe*>())
            captions << probe->Caption();
        Log << objectName() + QLatin1Char(':') + captions.join(QLatin1Char(','));
        if (objectName() == FailIn)
            throw EToolkitError(QStringLiteral("Loaded failed"));
    }

private:
    TProbeColors* FColors = new TProbeColors(this);
};

namespace {

const char* const FadeButtonLayout = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>400</width><height>200</height></rect></property>
  <widget class="TZRKFadeButton" name="Button1">
   <property name="geometry"><rect><x>212</x><y>28</y><width>200</width><height>20</height></rect></property>
   <property name="Caption"><string>もっと!</string></property>
   <property name="Color"><string>clMaroon</string></property>
   <property name="DestColor"><string>#ff0000</string></property>
   <property name="BorderColor"><color><red>192</red><green>192</green><blue>193</blue></color></property>
   <property name="BorderDestColor"><string>clBtnHighlight</string></property>
   <property name="Align"><enum>TControlPlacement::alNone</enum></property>
   <property name="Anchors"><set>akLeft|akBottom</set></property>
   <property name="Step"><number>4</number></property>
   <property name="FadeOnLeave"><bool>false</bool></property>
  </widget>
 </widget>
 <customwidgets>
  <customwidget><class>TZRKFadeButton</class><extends>QWidget</extends><header>widgets/ZRKFadeButton.h</header></customwidget>
 </customwidgets>
</ui>
)";

class StoredLayout : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterWidgetSet();
        TStoredLayout::RegisterClass(QStringLiteral("TLoadProbe"), [](QWidget* parent) { return new TLoadProbe(parent); });
    }

    StoredLayout()
    {
        TLoadProbe::Log.clear();
        TLoadProbe::FailIn.clear();
    }

    QString Save(const QByteArray& text, const QString& name = QStringLiteral("form.ui"))
    {
        const QString path = Folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    QString Written(QWidget* form)
    {
        const QString path = Folder.filePath(QStringLiteral("written.ui"));
        TStoredLayout::Write(path, form);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        // Without the indentation, so that a case can show an element on one line.
        return QString::fromUtf8(file.readAll()).replace(QRegularExpression(QStringLiteral(">\\s+<")), QStringLiteral("><"));
    }

    // A layout with one component of class and the given property elements.
    static QByteArray WithComponent(const QString& className, const QString& name, const QString& properties)
    {
        return QStringLiteral(R"(<ui version="4.0"><widget class="QWidget" name="Form">
<widget class="%1" name="%2">%3</widget></widget></ui>)")
            .arg(className, name, properties)
            .toUtf8();
    }

    QTemporaryDir Folder;
};

TEST_F(StoredLayout, ReadsTheChangedPropertiesAndLeavesTheRestAsConstructed)
{
    QWidget host;
    std::unique_ptr<QWidget> form(TStoredLayout::Read(Save(FadeButtonLayout), &host));
    auto* button = form->findChild<TZRKFadeButton*>(QStringLiteral("Button1"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->parentWidget(), form.get());
    EXPECT_EQ(form->parentWidget(), &host);
    EXPECT_EQ(button->geometry(), QRect(212, 28, 200, 20));

    const std::map<QString, QVariant> read = {
        {QStringLiteral("Caption"), QStringLiteral("もっと!")},
        {QStringLiteral("Color"), QVariant::fromValue(clr::Maroon)},
        {QStringLiteral("DestColor"), QVariant::fromValue(clr::Red)},
        {QStringLiteral("BorderColor"), QVariant::fromValue(RGBColor(192, 192, 193))},
        {QStringLiteral("BorderDestColor"), QVariant::fromValue(clr::BtnHighlight)},
        {QStringLiteral("Anchors"), QVariant::fromValue(TControlPlacement::TAnchors(TControlPlacement::akLeft | TControlPlacement::akBottom))},
        {QStringLiteral("Step"), 4},
        {QStringLiteral("FadeOnLeave"), false},
    };
    TZRKFadeButton fresh;
    for (const TPublishedProperty& property : TPublishedProperty::Of(button)) {
        if (!property.Meta().isStored())
            continue;
        const auto changed = read.find(property.Path());
        const QVariant expected = changed != read.end() ? changed->second : fresh.property(property.Meta().name());
        EXPECT_EQ(property.Value(), expected) << property.Path().toStdString();
    }
}

TEST_F(StoredLayout, CallsLoadedOncePerComponentReadInCreationOrderAfterAllProperties)
{
    const QByteArray layout = WithComponent(QStringLiteral("TLoadProbe"), QStringLiteral("First"),
        QStringLiteral(R"(<property name="Caption"><string>a</string></property>
<widget class="TLoadProbe" name="Inner"><property name="Caption"><string>b</string></property></widget>)"))
        .replace("</widget></ui>",
                 R"(<widget class="TLoadProbe" name="Last"><property name="Caption"><string>c</string></property></widget></widget></ui>)");
    std::unique_ptr<QWidget> form(TStoredLayout::Read(Save(layout)));
    EXPECT_EQ(TLoadProbe::Log, (QStringList{"First:a,b,c", "Inner:a,b,c", "Last:a,b,c"}));

    // A component made in code, on a read form or anywhere else, never gets Loaded; nor does
    // reading another layout call it again for the first one's components.
    new TLoadProbe(form.get());
    std::unique_ptr<QWidget> second(TStoredLayout::Read(Save(WithComponent(QStringLiteral("TLoadProbe"), QStringLiteral("Other"), {}), QStringLiteral("b.ui"))));
    EXPECT_EQ(TLoadProbe::Log.size(), 4);
    EXPECT_EQ(TLoadProbe::Log.last(), QStringLiteral("Other:"));
}

TEST_F(StoredLayout, AnErrorInLoadedReachesTheCallerAndLeavesNothingBehind)
{
    TLoadProbe::FailIn = QStringLiteral("Broken");
    QWidget host;
    const QString path = Save(WithComponent(QStringLiteral("TLoadProbe"), QStringLiteral("Broken"), {}));
    EXPECT_THROW(TStoredLayout::Read(path, &host), EToolkitError);
    EXPECT_TRUE(host.findChildren<QWidget*>().isEmpty());
}

TEST_F(StoredLayout, WritesNoPropertyAtItsDeclaredDefaultAndEveryOtherOne)
{
    QWidget form;
    form.setObjectName(QStringLiteral("Form"));
    auto* button = new TZRKFadeButton(&form);
    button->setObjectName(QStringLiteral("Button1"));

    const QString fresh = Written(&form);
    // Declared defaults, and the base properties that Qt's own carry, stay out.
    for (const char* absent : {"\"Tag\"", "\"Align\"", "\"Anchors\"", "\"ShowHint\"", "\"Name\"", "\"Left\"", "\"Width\"", "\"Enabled\""})
        EXPECT_FALSE(fresh.contains(QLatin1String(absent))) << absent;
    // The button's own properties declare no default, so they are always there; and the file
    // names the class for Qt Designer and uic.
    for (const char* present : {R"(<property name="Color" stdset="0"><color><red>0</red><green>128</green><blue>0</blue></color>)",
                                R"(<property name="Step" stdset="0"><number>2</number>)",
                                R"(<property name="ShowBorder" stdset="0"><bool>true</bool>)",
                                "<header>widgets/ZRKFadeButton.h</header>"})
        EXPECT_TRUE(fresh.contains(QLatin1String(present))) << present;

    button->SetTag(3);
    button->SetAnchors(TControlPlacement::akRight);
    button->SetColor(clr::BtnFace);
    button->SetDestColor(0x563412);
    const QString changed = Written(&form);
    for (const char* present : {R"(<property name="Tag" stdset="0"><number>3</number>)",
                                R"(<property name="Anchors" stdset="0"><set>akRight</set>)",
                                R"(<property name="Color" stdset="0"><string notr="true">clBtnFace</string>)",
                                R"(<property name="DestColor" stdset="0"><color><red>18</red><green>52</green><blue>86</blue></color>)"})
        EXPECT_TRUE(changed.contains(QLatin1String(present))) << present;
}

TEST_F(StoredLayout, WritesTheQtPropertiesThatDifferFromANewWidgetAndNoOther)
{
    QWidget form;
    form.setObjectName(QStringLiteral("Form"));
    auto* button = new TZRKFadeButton(&form);
    button->setObjectName(QStringLiteral("Button1"));
    // The Qt properties (those that Qt's classes declare) written for the button, by name.
    const auto qtPropertiesWritten = [&] {
        const QString written = Written(&form);
        const QString element = written.mid(written.indexOf(QLatin1String("name=\"Button1\"")));
        const QMetaObject* qtBase = button->metaObject();
        while (!QByteArray(qtBase->className()).startsWith('Q'))
            qtBase = qtBase->superClass();
        QStringList names;
        static const QRegularExpression property(QStringLiteral("<property name=\"([^\"]+)\""));
        for (const QRegularExpressionMatch& match : property.globalMatch(element)) {
            if (qtBase->indexOfProperty(match.captured(1).toUtf8().constData()) >= 0)
                names << match.captured(1);
        }
        names.sort();
        return names;
    };

    button->setGeometry(3, 4, 50, 20);
    EXPECT_EQ(qtPropertiesWritten(), (QStringList{QStringLiteral("geometry"), QStringLiteral("objectName")}));
    button->setToolTip(QStringLiteral("tip"));
    button->setEnabled(false);
    EXPECT_EQ(qtPropertiesWritten(), (QStringList{QStringLiteral("enabled"), QStringLiteral("geometry"), QStringLiteral("objectName"), QStringLiteral("toolTip")}));
    button->setEnabled(true);
    EXPECT_EQ(qtPropertiesWritten(), (QStringList{QStringLiteral("geometry"), QStringLiteral("objectName"), QStringLiteral("toolTip")}));
}

TEST_F(StoredLayout, StoresAnOwnedObjectWithItsOwnerAndReadsItBackIntoTheSameObject)
{
    QWidget form;
    form.setObjectName(QStringLiteral("Form"));
    auto* probe = new TLoadProbe(&form);
    probe->setObjectName(QStringLiteral("Probe"));
    EXPECT_FALSE(Written(&form).contains(QLatin1String("Colors."))) << "a set at its defaults adds nothing";

    probe->Colors()->SetFace(clr::Highlight);
    EXPECT_TRUE(Written(&form).contains(QLatin1String(R"(<property name="Colors.Face" stdset="0"><string notr="true">clHighlight</string>)")));

    std::unique_ptr<QWidget> read(TStoredLayout::Read(Folder.filePath(QStringLiteral("written.ui"))));
    auto* copy = read->findChild<TLoadProbe*>(QStringLiteral("Probe"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Colors()->parent(), copy);
    EXPECT_EQ(copy->Colors()->Face(), clr::Highlight);
    EXPECT_EQ(copy->Colors()->Depth(), 1);
}

TEST_F(StoredLayout, RoundTripsEveryPublishedPropertyOfEachWidget)
{
    ExpectLayoutRoundTrip(QStringLiteral("TZRKFadeButton"));
    ExpectLayoutRoundTrip(QStringLiteral("TLoadProbe"));
}

TEST_F(StoredLayout, ABadFileGivesAnErrorNamingFileComponentAndProperty)
{
    struct TCase {
        const char* Fault;
        QString Property; // the property element, empty for a fault outside any property
        QString Named;    // what the message names besides the file
    };
    const TCase cases[] = {
        {"unknown property", R"(<property name="Colour"><string>clRed</string></property>)", "Button1.Colour"},
        {"unknown owned object's property", R"(<property name="Colors.Tint"><string>clRed</string></property>)", "Button1.Colors.Tint"},
        {"owned object itself", R"(<property name="Colors"><string>clRed</string></property>)", "Button1.Colors"},
        {"number for a colour", R"(<property name="Color"><number>255</number></property>)", "Button1.Color"},
        {"no colour", R"(<property name="Color"><string>clMauve</string></property>)", "Button1.Color"},
        {"text for a number", R"(<property name="Step"><number>two</number></property>)", "Button1.Step"},
        {"colour for a number", R"(<property name="Step"><color><red>1</red></color></property>)", "Button1.Step"},
        {"bool for a number", R"(<property name="Step"><bool>true</bool></property>)", "Button1.Step"},
        {"no bool", R"(<property name="FadeOnOver"><bool>yes</bool></property>)", "Button1.FadeOnOver"},
        {"unknown identifier", R"(<property name="Align"><enum>alMiddle</enum></property>)", "Button1.Align"},
        {"unknown flag", R"(<property name="Anchors"><set>akLeft|akCentre</set></property>)", "Button1.Anchors"},
        {"identifier for a number", R"(<property name="Speed"><enum>alTop</enum></property>)", "Button1.Speed"},
        {"not XML", "<property", ""},
    };
    for (const TCase& c : cases) {
        QWidget host;
        const QString path = Save(WithComponent(QStringLiteral("TLoadProbe"), QStringLiteral("Button1"), c.Property));
        try {
            TStoredLayout::Read(path, &host);
            ADD_FAILURE() << c.Fault << ": no error";
        } catch (const EToolkitError& error) {
            EXPECT_TRUE(error.Message().contains(path)) << c.Fault << ": " << error.what();
            EXPECT_TRUE(error.Message().contains(c.Named)) << c.Fault << ": " << error.what();
        }
        EXPECT_TRUE(host.findChildren<QWidget*>().isEmpty()) << c.Fault;
        EXPECT_TRUE(TLoadProbe::Log.isEmpty()) << c.Fault << ": Loaded ran on a layout that failed";
    }
    EXPECT_THROW(TStoredLayout::Read(Folder.filePath(QStringLiteral("missing.ui"))), EToolkitError);
}

// Qt Designer saves the flag set of an owned object as the text of its identifiers, and a
// colour as its text; both read as the <set> and the <color> do.
TEST_F(StoredLayout, ReadsTheFormsThatQtDesignerSaves)
{
    std::unique_ptr<QWidget> form(TStoredLayout::Read(Save(WithComponent(QStringLiteral("TarvoWidgets::TShineSpeedButton"), QStringLiteral("Shine"),
        QStringLiteral(R"(<property name="Font.Style"><string>fsBold|TarvoWidgets::TFont::fsItalic</string></property>
<property name="ActiveFont.Style"><string></string></property>
<property name="Colors.Color"><string>#123456</string></property>
<property name="FontShadow"><string>clBtnShadow</string></property>)")))));
    auto* shine = form->findChild<TShineSpeedButton*>(QStringLiteral("Shine"));
    ASSERT_NE(shine, nullptr);
    EXPECT_EQ(shine->Font()->Style(), TFont::fsBold | TFont::fsItalic);
    EXPECT_EQ(shine->ActiveFont()->Style(), TFont::TFontStyles());
    EXPECT_EQ(shine->Colors()->Color(), RGBColor(0x12, 0x34, 0x56));
    EXPECT_EQ(shine->FontShadow(), clr::BtnShadow);
    // A word that is no identifier is refused, as in a <set>.
    EXPECT_THROW(TStoredLayout::Read(Save(WithComponent(QStringLiteral("TarvoWidgets::TShineSpeedButton"), QStringLiteral("Shine"),
                     QStringLiteral(R"(<property name="Font.Style"><string>fsHeavy</string></property>)")),
                     QStringLiteral("bad.ui"))),
                 EToolkitError);
}

// The writer stores an owned object's set in that same form, so that a written form opens in
// Qt Designer without a warning and keeps the set through its save.
TEST_F(StoredLayout, WritesTheSetOfAnOwnedObjectAsTheTextQtDesignerReads)
{
    QWidget form;
    form.setObjectName(QStringLiteral("Form"));
    auto* shine = new TShineSpeedButton(&form);
    shine->setObjectName(QStringLiteral("Shine"));
    shine->Font()->SetStyle(TFont::fsBold | TFont::fsItalic);

    const QString written = Written(&form);
    // Not for translation: uic would pass the identifiers through QCoreApplication::translate.
    EXPECT_TRUE(written.contains(QLatin1String(R"(<property name="Font.Style" stdset="0"><string notr="true">fsBold|fsItalic</string></property>)")))
        << written.toStdString();
    EXPECT_FALSE(written.contains(QLatin1String("<set>"))) << written.toStdString();
    std::unique_ptr<QWidget> read(TStoredLayout::Read(Folder.filePath(QStringLiteral("written.ui"))));
    auto* copy = read->findChild<TShineSpeedButton*>(QStringLiteral("Shine"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Font()->Style(), TFont::fsBold | TFont::fsItalic);
}

TEST_F(StoredLayout, EveryGalleryPageReads)
{
    TShineStateSample::Register();
    const QDir pages(QStringLiteral(TARVO_GALLERY_PAGES));
    const QStringList files = pages.entryList({QStringLiteral("*.ui")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        std::unique_ptr<QWidget> page;
        EXPECT_NO_THROW(page.reset(TStoredLayout::Read(pages.filePath(file)))) << file.toStdString();
        EXPECT_TRUE(page && !page->windowTitle().isEmpty()) << file.toStdString() << ": the tab needs a title";
    }
}

} // namespace

#include "StoredLayoutTest.moc"
