// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/controls/ControlPlacement.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace TarvoWidgets {

struct TControlPlacement::Private {
    QWidget* FControl = nullptr;
    QPointer<QWidget> FParent;
    TAlign FAlign = alNone;
    TAnchors FAnchors = TAnchors(akLeft | akTop);
    // The anchor rule: the control's bounds and its parent's size when the rule was taken.
    QRect FRuleBounds;
    QSize FRuleParentSize;
    bool FPlacing = false; // set while this object moves the control itself
};

TControlPlacement::~TControlPlacement() = default;

TControlPlacement::TAlign TControlPlacement::Align() const
{
    return d->FAlign;
}

TControlPlacement::TAnchors TControlPlacement::Anchors() const
{
    return d->FAnchors;
}

namespace {

struct TSpan {
    int Start;
    int Extent;
};

// One axis of the anchor rule: where the control goes when the parent's extent on this axis
// went from was to now.
TSpan Follow(TSpan span, int was, int now, bool nearSide, bool farSide)
{
    const int growth = now - was;
    if (nearSide && farSide)
        return {span.Start, std::max(0, span.Extent + growth)};
    if (farSide)
        return {span.Start + growth, span.Extent};
    if (!nearSide && was > 0) {
        const qint64 centre = span.Start + span.Extent / 2;
        return {int(centre * now / was) - span.Extent / 2, span.Extent};
    }
    return span;
}

} // namespace

TControlPlacement::TControlPlacement(QWidget* control)
    : QObject(control)
    , d(std::make_unique<Private>())
{
    d->FControl = control;
    d->FControl->installEventFilter(this);
    WatchParent();
    TakeAnchorRule();
}

bool TControlPlacement::SetAlign(TAlign value)
{
    if (value == d->FAlign)
        return false;
    d->FAlign = value;
    // Also when the control leaves its side: the siblings take the space it frees.
    if (d->FParent)
        AlignControls(d->FParent);
    TakeAnchorRule();
    return true;
}

bool TControlPlacement::SetAnchors(TAnchors value)
{
    const bool changed = value != d->FAnchors;
    d->FAnchors = value;
    TakeAnchorRule();
    return changed;
}

bool TControlPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == d->FControl) {
        switch (event->type()) {
        case QEvent::ParentChange:
            WatchParent();
            TakeAnchorRule();
            if (d->FParent && d->FAlign != alNone)
                AlignControls(d->FParent);
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (d->FPlacing)
                break;
            // Moved or sized by its owner: an aligned control is docked again (keeping its new
            // height or width), any other takes its anchor rule from where it now is.
            if (d->FParent && d->FAlign != alNone)
                AlignControls(d->FParent);
            TakeAnchorRule();
            break;
        case QEvent::Show:
        case QEvent::Hide:
            if (d->FParent && d->FAlign != alNone)
                AlignControls(d->FParent);
            break;
        default:
            break;
        }
    } else if (watched == d->FParent && event->type() == QEvent::Resize) {
        if (d->FAlign != alNone)
            AlignControls(d->FParent);
        else
            FollowParent();
    }
    return false;
}

void TControlPlacement::WatchParent()
{
    if (d->FParent)
        d->FParent->removeEventFilter(this);
    d->FParent = d->FControl->parentWidget();
    if (d->FParent)
        d->FParent->installEventFilter(this);
}

void TControlPlacement::TakeAnchorRule()
{
    d->FRuleBounds = d->FControl->geometry();
    d->FRuleParentSize = d->FParent ? d->FParent->size() : QSize();
}

void TControlPlacement::FollowParent()
{
    if (!d->FParent || d->FAnchors == TAnchors(akLeft | akTop))
        return;
    const QSize now = d->FParent->size();
    const TSpan x = Follow({d->FRuleBounds.x(), d->FRuleBounds.width()}, d->FRuleParentSize.width(), now.width(),
                           d->FAnchors.testFlag(akLeft), d->FAnchors.testFlag(akRight));
    const TSpan y = Follow({d->FRuleBounds.y(), d->FRuleBounds.height()}, d->FRuleParentSize.height(), now.height(),
                           d->FAnchors.testFlag(akTop), d->FAnchors.testFlag(akBottom));
    PlaceAt(QRect(x.Start, y.Start, x.Extent, y.Extent));
}

void TControlPlacement::PlaceAt(const QRect& bounds)
{
    d->FPlacing = true;
    d->FControl->setGeometry(bounds);
    d->FPlacing = false;
}

void TControlPlacement::AlignControls(QWidget* parent)
{
    int left = 0, top = 0, right = parent->width(), bottom = parent->height();
    for (TAlign side : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (QObject* child : parent->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (!control || !control->isVisibleTo(parent))
                continue;
            auto* placement = control->findChild<TControlPlacement*>(QString(), Qt::FindDirectChildrenOnly);
            if (!placement || placement->d->FAlign != side)
                continue;
            const int width = std::max(0, right - left);
            const int height = std::max(0, bottom - top);
            switch (side) {
            case alTop:
                placement->PlaceAt(QRect(left, top, width, control->height()));
                top += control->height();
                break;
            case alBottom:
                placement->PlaceAt(QRect(left, bottom - control->height(), width, control->height()));
                bottom -= control->height();
                break;
            case alLeft:
                placement->PlaceAt(QRect(left, top, control->width(), height));
                left += control->width();
                break;
            case alRight:
                placement->PlaceAt(QRect(right - control->width(), top, control->width(), height));
                right -= control->width();
                break;
            case alClient:
                placement->PlaceAt(QRect(left, top, width, height));
                break;
            case alNone:
                break;
            }
        }
    }
}

} // namespace TarvoWidgets
