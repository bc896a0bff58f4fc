// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QObject>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <algorithm>
#include <memory>


namespace TarvoWidgets {

/// The toolkit's Align and Anchors for a control on its parent widget. An aligned control is
/// docked to a side of the parent (or fills what its aligned siblings leave over); a control
/// that is not aligned keeps its distance to each anchored side of the parent when the parent
/// is resized, and one anchored to neither side of a pair keeps its centre at the same
/// proportion of the parent.
class TARVOWIDGETS_EXPORT TControlPlacement : public QObject {
    Q_OBJECT
public:
    /// Of a fixed size, so that any number written through Qt's property system is a value of
    /// the type and reaches the setter's check as the number it is.
    enum TAlign : int { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)
    enum TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
    Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
    Q_FLAG(TAnchors)

    /// Places control, and becomes its child so that aligned siblings can find each other.
    explicit TControlPlacement(QWidget* control);
    ~TControlPlacement() override;

    TAlign Align() const;
    /// True when the value changed.
    bool SetAlign(TAlign value);
    TAnchors Anchors() const;
    /// True when the value changed; the anchor rule is taken up again either way.
    bool SetAnchors(TAnchors value);

    /// A position or size written through Left, Top, Width or Height, bounded as Qt bounds a
    /// widget's size (QWIDGETSIZE_MAX): a control's right and bottom edges then stay inside the
    /// range of int, where a rectangle near INT_MAX could not tell its own height.
    static int BoundedCoordinate(int value) { return std::clamp(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); }
    static int BoundedExtent(int value) { return std::clamp(value, 0, QWIDGETSIZE_MAX); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchParent();
    void TakeAnchorRule();
    void FollowParent();
    void PlaceAt(const QRect& bounds);
    /// Docks every visible aligned child of parent: the top ones, then the bottom, left and
    /// right ones, each in child order, and last the client ones in what is left.
    static void AlignControls(QWidget* parent);


private:
    struct Private;
    std::unique_ptr<Private> const d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TControlPlacement::TAnchors)

} // namespace TarvoWidgets
