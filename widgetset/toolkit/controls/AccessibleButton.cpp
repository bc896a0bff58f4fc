// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/controls/AccessibleButton.h"

#include "toolkit/application/ErrorBoundary.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QWidget>

namespace TarvoWidgets {

QString WithoutAcceleratorMarker(const QString& caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" stands for one ampersand; a single one only marks the next character.
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        text += caption[i];
    }
    return text;
}

void AccessibleCheckedChanged(QObject* button)
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(button, changed);
    QAccessible::updateAccessibility(&event);
}

namespace {

/// The accessible interface of a widget-set button, as Qt's QAccessibleButton describes a push
/// button (a latching one as a checkable push button).
class TButtonAccessible : public QAccessibleWidget {
public:
    TButtonAccessible(QWidget* widget, TAccessibleButton& button)
        : QAccessibleWidget(widget, QAccessible::Button), FButton(button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        // A name that the program gave the widget comes first, as for Qt's own buttons.
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return FButton.AccessibleCaption();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = FButton.Held();
        if (FButton.Latching()) {
            state.checkable = true;
            state.checked = FButton.LatchedDown();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled()) {
            names << pressAction();
            if (FButton.Latching())
                names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction() && action != toggleAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // Qt's accessibility bridge calls here: whatever the click's handlers raise stops here.
        if (widget()->isEnabled())
            RunGuarded([this] { FButton.click(); });
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        const QKeySequence accelerator = FButton.Accelerator();
        if (action == pressAction() && !accelerator.isEmpty())
            return {accelerator.toString(QKeySequence::NativeText)};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    TAccessibleButton& FButton;
};

QAccessibleInterface* ButtonAccessibleFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    auto* button = dynamic_cast<TAccessibleButton*>(object);
    if (!widget || !button)
        return nullptr;
    return new TButtonAccessible(widget, *button);
}

/// The library registers its factory as soon as an application exists (or at once, when it is
/// loaded into a running one, as Qt Designer loads its plugin).
void InstallButtonAccessibleFactory()
{
    QAccessible::installFactory(ButtonAccessibleFactory);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallButtonAccessibleFactory)

} // namespace TarvoWidgets
