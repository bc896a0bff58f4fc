// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// A seeded random sequence of what programs and Qt Designer do to the widgets: make them (by
// hand and through a stored layout), write their properties with good, boundary and wrong
// values of each property's type, drive the mouse and the keys through the window, hide,
// disable and reparent them in the middle of a press, free them from their own signals, resize
// them and paint them at several scales. It fails on a crash or a sanitizer report (the process
// dies), on a press still held after the left button's full release, and on any warning that is
// not one of the widget set's own refusals of a bad value.
//
// TARVO_SEQUENCE_SEED=n replays one seed (the failure message names it); TARVO_SEQUENCE_STEPS=n
// sets the steps of each seed; TARVO_SEQUENCE_SEEDS=n the number of seeds from the first.
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Font.h"
#include "widgets/HistoryComboBox.h"
#include "widgets/ShineBtnColors.h"
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"

#include <QAccessible>
#include <QDialog>
#include <QMenu>
#include <QMetaProperty>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <climits>
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <random>

using namespace TarvoWidgets;

namespace {

// What the widget set itself says of a value it refuses, and what the offscreen platform says
// of what it cannot do (grab the mouse, raise a window); any other message (Qt's own warnings
// among them) is a fault the sequence found.
bool IsExpected(const QString& text)
{
    return text.contains(QLatin1String(" refuses ")) || text.contains(QLatin1String("has no published property"))
        || text.startsWith(QLatin1String("This plugin does not support"));
}

class TMessages {
public:
    TMessages() { Previous = qInstallMessageHandler(&TMessages::Keep); }
    ~TMessages() { qInstallMessageHandler(Previous); }
    TMessages(const TMessages&) = delete;
    TMessages& operator=(const TMessages&) = delete;
    static inline QStringList Faults;

private:
    static void Keep(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type != QtDebugMsg && type != QtInfoMsg && !IsExpected(text))
            Faults << QStringLiteral("%1 [%2 %3:%4]").arg(text, QLatin1String(context.category),
                                                          QLatin1String(context.file), QString::number(context.line));
    }
    QtMessageHandler Previous = nullptr;
};

int EnvNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// The first class above the widget's own that is Qt's: the sequence writes the widget set's
// properties and connects to its signals, not Qt's, which are Qt's to test.
const QMetaObject* QtBase(const QObject* object)
{
    const QMetaObject* meta = object->metaObject();
    while (meta && QByteArray(meta->className()).startsWith("TarvoWidgets::"))
        meta = meta->superClass();
    return meta;
}

// The largest side the sequence gives a widget: the paint of a huge widget is measured by the
// benchmarks, not here.
constexpr int MaxSide = 600;

class TSequence {
public:
    explicit TSequence(unsigned seed) : Random(seed)
    {
        for (QWidget* host : {&Host, &OtherHost}) {
            host->resize(640, 480);
            host->show();
        }
        OtherHost.move(700, 0);
        (void)QTest::qWaitForWindowExposed(&Host);
        (void)QTest::qWaitForWindowExposed(&OtherHost);
        QCursor::setPos(Host.mapToGlobal(QPoint(630, 470)));
    }

    ~TSequence()
    {
        ReleaseLeft();
        for (const QPointer<QWidget>& w : Widgets)
            delete w.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // One step; a description of what it did, for the failure message.
    QString Step()
    {
        Widgets.removeAll(QPointer<QWidget>());
        if (Widgets.size() < 2 || Pick(12) == 0)
            return Make();
        QWidget* widget = Widgets[Pick(int(Widgets.size()))];
        const QString what = QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ');
        switch (Pick(14)) {
        case 0: case 1: case 2: return what + WriteProperty(widget);
        case 3: return what + PressOn(widget);
        case 4: case 5: return what + ReleaseLeft();
        case 6: return what + MoveOver(widget);
        case 7: return what + Visibility(widget);
        case 8: return what + Reparent(widget);
        case 9: return what + Resize(widget);
        case 10: return what + Paint(widget);
        case 11: return what + FreeFromSignal(widget);
        case 12: return what + CutPressFromSignal(widget);
        default: return what + Keys(widget);
        }
    }

    // After the left button's full release no button may still be held.
    QString HeldAfterRelease()
    {
        ReleaseLeft();
        for (const QPointer<QWidget>& w : Widgets) {
            auto* button = qobject_cast<TCustomButton*>(w.data());
            if (!button)
                continue;
            if (button->Held())
                return QStringLiteral("a %1 is held").arg(QLatin1String(button->metaObject()->className()));
            if (QAccessible::queryAccessibleInterface(button)->state().pressed)
                return QStringLiteral("a %1 says pressed").arg(QLatin1String(button->metaObject()->className()));
        }
        return {};
    }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(Random); }
    template <typename T, std::size_t N> const T& Pick(const T (&values)[N]) { return values[Pick(int(N))]; }
    QWidget* AHost() { return Pick(4) == 0 ? &OtherHost : &Host; }

    QString Make()
    {
        QWidget* host = AHost();
        QWidget* widget = nullptr;
        switch (Pick(4)) {
        case 0: widget = new TZRKFadeButton(host); break;
        case 1: widget = new TShineSpeedButton(host); break;
        case 2: widget = new TSpeedButton(host); break;
        default: {
            auto* box = new THistoryComboBox(host);
            box->setObjectName(QStringLiteral("Box%1").arg(++Made));
            box->SetSaveKeyName(QStringLiteral("Software\\Sequence"));
            widget = box;
        }
        }
        widget->setGeometry(Pick(500), Pick(400), 20 + Pick(150), 10 + Pick(60));
        widget->show();
        Widgets << widget;
        return QStringLiteral("made %1").arg(QLatin1String(widget->metaObject()->className()));
    }

    QVariant IntValue()
    {
        static const int values[] = {0, 1, -1, 2, 3, 7, 30, 255, 256, 1000, INT_MAX, INT_MIN, QWIDGETSIZE_MAX, -QWIDGETSIZE_MAX};
        return Pick(3) == 0 ? QVariant(Pick(100)) : QVariant(Pick(values));
    }

    QVariant StringValue(const QMetaProperty& property, bool history)
    {
        // A history saves at its end where these say; a name it cannot save under is told on
        // the log, which is not what the sequence looks for.
        if (QByteArray(property.name()) == "SaveFileName")
            return Pick(2) ? QString() : Folder.filePath(QStringLiteral("h%1.ini").arg(Pick(3)));
        if (QByteArray(property.name()) == "SaveKeyName")
            return Pick(2) ? QString() : QStringLiteral("Software\\Sequence\\%1").arg(Pick(3));
        if (history && (QByteArray(property.name()) == "SaveSectionName" || QByteArray(property.name()) == "Name"))
            return QStringLiteral("履歴%1").arg(Pick(3));
        static const char* const texts[] = {"", "&Go", "x", "A&&B", "&", "clRed", "clMauve", "#123456", "junk", "\\\\", "a\nb"};
        if (Pick(6) == 0)
            return QStringLiteral("あいう&え");
        if (Pick(20) == 0)
            return QString(2000, QLatin1Char('w'));
        return QString::fromUtf8(Pick(texts));
    }

    QVariant ColorValue()
    {
        static const std::int32_t colors[] = {clr::Red, clr::BtnFace, clr::None, clr::Highlight, 0x123456, -1, INT_MAX,
                                              clr::SystemColor(200)};
        switch (Pick(4)) {
        case 0: return QStringLiteral("clMauve");
        case 1: return QStringLiteral("clLime");
        default: return QVariant::fromValue(TColor(Pick(colors)));
        }
    }

    QVariant EnumValue(const QMetaProperty& property)
    {
        const QMetaEnum meta = property.enumerator();
        if (Pick(4) == 0) {
            static const int wrong[] = {-1, 99, 256, INT_MAX};
            return Pick(wrong);
        }
        if (meta.isFlag())
            return Pick(16);
        return meta.keyCount() ? meta.value(Pick(meta.keyCount())) : 0;
    }

    QString WriteProperty(QWidget* widget)
    {
        // Now and then through the path that uic takes for an owned object's property.
        if (qobject_cast<TShineSpeedButton*>(widget) && Pick(4) == 0) {
            static const char* const paths[] = {"Colors.Color", "Colors.Gradation", "PressedColors.GradColor",
                                                "Font.Size", "ActiveFont.Color", "Colors.Nothing", "Font.Style"};
            const char* path = Pick(paths);
            const QVariant value = Pick(2) ? ColorValue() : IntValue();
            widget->setProperty(path, value);
            return QStringLiteral("wrote %1 = %2").arg(QLatin1String(path), value.toString());
        }
        const QMetaObject* meta = widget->metaObject();
        const int first = QtBase(widget)->propertyCount();
        if (meta->propertyCount() <= first)
            return QStringLiteral("no property");
        const QMetaProperty property = meta->property(first + Pick(meta->propertyCount() - first));
        if (!property.isWritable())
            return QStringLiteral("read %1").arg(QLatin1String(property.name()));
        QVariant value;
        if (property.isEnumType())
            value = EnumValue(property);
        else if (property.metaType() == QMetaType::fromType<TColor>())
            value = ColorValue();
        else if (property.metaType().id() == QMetaType::Bool)
            value = bool(Pick(2));
        else if (property.metaType().id() == QMetaType::Int)
            value = IntValue();
        else if (property.metaType().id() == QMetaType::QString)
            value = StringValue(property, qobject_cast<THistoryComboBox*>(widget) != nullptr);
        else if (property.metaType() == QMetaType::fromType<TShineBtnColors*>())
            value = QVariant::fromValue<TShineBtnColors*>(Pick(2) ? &Colors : nullptr);
        else if (property.metaType() == QMetaType::fromType<TFont*>())
            value = QVariant::fromValue<TFont*>(Pick(2) ? &Font : nullptr);
        else
            return QStringLiteral("skipped %1").arg(QLatin1String(property.name()));
        property.write(widget, value);
        Bound(widget);
        return QStringLiteral("wrote %1 = %2").arg(QLatin1String(property.name()), value.toString().left(20));
    }

    void Bound(QWidget* widget)
    {
        if (widget && (widget->width() > MaxSide || widget->height() > MaxSide || widget->x() > MaxSide || widget->y() > MaxSide))
            widget->setGeometry(Pick(300), Pick(300), std::min(widget->width(), MaxSide), std::min(widget->height(), MaxSide));
    }

    // A point of the widget inside its window, in the window's coordinates; none when the
    // widget shows nothing there.
    std::optional<QPoint> InWindow(QWidget* widget)
    {
        const QRect shown = QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size()) & widget->window()->rect();
        if (!widget->isVisible() || shown.isEmpty())
            return std::nullopt;
        return shown.topLeft() + QPoint(Pick(shown.width()), Pick(shown.height()));
    }

    QString PressOn(QWidget* widget)
    {
        const std::optional<QPoint> at = InWindow(widget);
        if (!at)
            return QStringLiteral("no press (not shown)");
        ReleaseLeft();
        LeftWindow = widget->window()->windowHandle();
        LeftAt = *at;
        if (Pick(5) == 0)
            QTest::mouseDClick(LeftWindow, Qt::LeftButton, {}, LeftAt);
        QTest::mousePress(LeftWindow, Qt::LeftButton, {}, LeftAt);
        return QStringLiteral("pressed");
    }

    QString ReleaseLeft()
    {
        if (!LeftWindow)
            return QStringLiteral("nothing to release");
        QTest::mouseRelease(LeftWindow, Qt::LeftButton, {}, Pick(3) ? LeftAt : QPoint(Pick(640), Pick(480)));
        LeftWindow.clear();
        QCoreApplication::processEvents();
        return QStringLiteral("released");
    }

    QString MoveOver(QWidget* widget)
    {
        const std::optional<QPoint> at = InWindow(widget);
        if (!at)
            return QStringLiteral("no move (not shown)");
        QTest::mouseMove(widget->window()->windowHandle(), *at);
        return QStringLiteral("moved");
    }

    QString Visibility(QWidget* widget)
    {
        switch (Pick(4)) {
        case 0: widget->hide(); return QStringLiteral("hidden");
        case 1: widget->show(); return QStringLiteral("shown");
        case 2: widget->setEnabled(false); return QStringLiteral("disabled");
        default: widget->setEnabled(true); return QStringLiteral("enabled");
        }
    }

    QString Reparent(QWidget* widget)
    {
        widget->setParent(AHost());
        if (Pick(3))
            widget->show();
        return QStringLiteral("reparented");
    }

    QString Resize(QWidget* widget)
    {
        static const QSize sizes[] = {{0, 0}, {1, 1}, {3, 2}, {25, 25}, {150, 30}, {MaxSide, MaxSide}, {MaxSide, 1}};
        const QSize size = Pick(sizes);
        widget->resize(size);
        return QStringLiteral("resized to %1x%2").arg(size.width()).arg(size.height());
    }

    QString Paint(QWidget* widget)
    {
        static const qreal ratios[] = {1, 1.5, 2};
        const qreal ratio = Pick(ratios);
        QImage image((QSizeF(widget->size()) * ratio).toSize().expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        widget->render(&image);
        widget->update();
        return QStringLiteral("painted at %1").arg(ratio);
    }

    // A one-time slot that frees the widget from one of its signals (as deleteLater does).
    QString FreeFromSignal(QWidget* widget)
    {
        const QMetaObject* meta = widget->metaObject();
        QList<QMetaMethod> signalList;
        for (int i = QtBase(widget)->methodCount(); i < meta->methodCount(); ++i)
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                signalList << meta->method(i);
        if (signalList.isEmpty())
            return QStringLiteral("no signal");
        const QMetaMethod signal = signalList[Pick(int(signalList.size()))];
        const QMetaMethod slot = widget->metaObject()->method(widget->metaObject()->indexOfSlot("deleteLater()"));
        QObject::connect(widget, signal, widget, slot);
        return QStringLiteral("frees itself on %1").arg(QLatin1String(signal.methodSignature()));
    }

    // A handler of the press that cuts it short: a modal dialog, a popup, a grab, a hide.
    QString CutPressFromSignal(QWidget* widget)
    {
        auto* button = qobject_cast<TCustomButton*>(widget);
        if (!button)
            return QStringLiteral("no press signal");
        const int how = Pick(4);
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(button, &TCustomButton::pressed, button, [button, how, connection] {
            QObject::disconnect(*connection);
            switch (how) {
            case 0: {
                QDialog dialog(button->window());
                dialog.setModal(true);
                QTimer::singleShot(0, &dialog, &QDialog::reject);
                dialog.exec();
                break;
            }
            case 1: {
                auto* menu = new QMenu(button->window());
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->addAction(QStringLiteral("item"));
                menu->popup(button->window()->mapToGlobal(QPoint(600, 440)));
                QTimer::singleShot(0, menu, &QMenu::close);
                break;
            }
            case 2: {
                auto* other = new QWidget(button->window());
                other->setGeometry(620, 460, 10, 10);
                other->show();
                other->grabMouse();
                QTimer::singleShot(0, other, [other] {
                    other->releaseMouse();
                    other->deleteLater();
                });
                break;
            }
            default: button->hide(); break;
            }
        });
        return QStringLiteral("cuts its next press (%1)").arg(how);
    }

    QString Keys(QWidget* widget)
    {
        static const Qt::Key keys[] = {Qt::Key_G, Qt::Key_S, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_A};
        const Qt::Key key = Pick(keys);
        const Qt::KeyboardModifiers modifiers = Pick(2) ? Qt::AltModifier : Qt::NoModifier;
        if (auto* box = qobject_cast<THistoryComboBox*>(widget); box && Pick(2)) {
            QMetaObject::invokeMethod(box, "AddText", Q_ARG(QString, QStringLiteral("entry %1").arg(Pick(5))));
            return QStringLiteral("added a text");
        }
        widget->setFocus();
        QTest::keyClick(widget->window(), key, modifiers);
        return QStringLiteral("key %1").arg(QKeySequence(key | modifiers).toString());
    }

    std::mt19937 Random;
    QTemporaryDir Folder;
    QWidget Host;
    QWidget OtherHost;
    QList<QPointer<QWidget>> Widgets;
    TShineBtnColors Colors;
    TFont Font;
    QPointer<QWindow> LeftWindow;
    QPoint LeftAt;
    int Made = 0;
};

TEST(Sequence, RandomSequencesOfWhatProgramsDoLeaveNoFault)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const bool replay = qEnvironmentVariableIsSet("TARVO_SEQUENCE_SEED");
    const int firstSeed = EnvNumber("TARVO_SEQUENCE_SEED", 1);
    const int seeds = EnvNumber("TARVO_SEQUENCE_SEEDS", replay ? 1 : 4);
    const int steps = EnvNumber("TARVO_SEQUENCE_STEPS", 300);
    for (int seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        // Printed first, so that a crash or a sanitizer report still names the seed.
        std::fprintf(stderr, "sequence seed %d, %d steps (replay: TARVO_SEQUENCE_SEED=%d TARVO_SEQUENCE_STEPS=%d)\n",
                     seed, steps, seed, steps);
        TMessages messages;
        TMessages::Faults.clear();
        TSequence sequence{unsigned(seed)};
        QStringList last;
        for (int step = 0; step < steps; ++step) {
            last << sequence.Step();
            if (last.size() > 12)
                last.removeFirst();
            QCoreApplication::processEvents();
            QString fault = TMessages::Faults.isEmpty() ? QString() : TMessages::Faults.join(QLatin1String(" | "));
            if (fault.isEmpty() && step % 10 == 9)
                fault = sequence.HeldAfterRelease();
            ASSERT_TRUE(fault.isEmpty()) << "seed " << seed << ", step " << step << ": " << fault.toStdString()
                                         << "\n  after: " << last.join(QLatin1String("; ")).toStdString();
        }
    }
}

} // namespace
