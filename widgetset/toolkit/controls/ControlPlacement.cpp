// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/controls/ControlPlacement.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace TarvoWidgets {

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
    : QObject(control), FControl(control)
{
    FControl->installEventFilter(this);
    WatchParent();
    TakeAnchorRule();
}

bool TControlPlacement::SetAlign(TAlign value)
{
    if (value == FAlign)
        return false;
    FAlign = value;
    // Also when the control leaves its side: the siblings take the space it frees.
    if (FParent)
        AlignControls(FParent);
    TakeAnchorRule();
    return true;
}

bool TControlPlacement::SetAnchors(TAnchors value)
{
    const bool changed = value != FAnchors;
    FAnchors = value;
    TakeAnchorRule();
    return changed;
}

bool TControlPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FControl) {
        switch (event->type()) {
        case QEvent::ParentChange:
            WatchParent();
            TakeAnchorRule();
            if (FParent && FAlign != alNone)
                AlignControls(FParent);
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (FPlacing)
                break;
            // Moved or sized by its owner: an aligned control is docked again (keeping its new
            // height or width), any other takes its anchor rule from where it now is.
            if (FParent && FAlign != alNone)
                AlignControls(FParent);
            TakeAnchorRule();
            break;
        case QEvent::Show:
        case QEvent::Hide:
            if (FParent && FAlign != alNone)
                AlignControls(FParent);
            break;
        default:
            break;
        }
    } else if (watched == FParent && event->type() == QEvent::Resize) {
        if (FAlign != alNone)
            AlignControls(FParent);
        else
            FollowParent();
    }
    return false;
}

void TControlPlacement::WatchParent()
{
    if (FParent)
        FParent->removeEventFilter(this);
    FParent = FControl->parentWidget();
    if (FParent)
        FParent->installEventFilter(this);
}

void TControlPlacement::TakeAnchorRule()
{
    FRuleBounds = FControl->geometry();
    FRuleParentSize = FParent ? FParent->size() : QSize();
}

void TControlPlacement::FollowParent()
{
    if (!FParent || FAnchors == TAnchors(akLeft | akTop))
        return;
    const QSize now = FParent->size();
    const TSpan x = Follow({FRuleBounds.x(), FRuleBounds.width()}, FRuleParentSize.width(), now.width(),
                           FAnchors.testFlag(akLeft), FAnchors.testFlag(akRight));
    const TSpan y = Follow({FRuleBounds.y(), FRuleBounds.height()}, FRuleParentSize.height(), now.height(),
                           FAnchors.testFlag(akTop), FAnchors.testFlag(akBottom));
    PlaceAt(QRect(x.Start, y.Start, x.Extent, y.Extent));
}

void TControlPlacement::PlaceAt(const QRect& bounds)
{
    FPlacing = true;
    FControl->setGeometry(bounds);
    FPlacing = false;
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
            if (!placement || placement->FAlign != side)
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
