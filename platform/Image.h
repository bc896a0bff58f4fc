// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <optional>

// A picture control. It shows its picture at natural size from the top-left corner (clipped
// by the control) or stretched to the control, optionally transparent: pixels of the colour of
// the picture's bottom-left pixel are not drawn, so the parent shows through.
//
// Code that must show a frame before it goes on draws on Canvas() and calls RepaintNow(),
// which paints and flushes synchronously.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return FPicture; }
    void SetPicture(QImage picture);
    // Replaces the picture with the bitmap read from path; raises the load errors of LoadBitmap
    // and then keeps the previous picture.
    void LoadFromFile(const QString& path);
    // Empties the picture.
    void Clear();
    // The picture to draw on. An empty picture first becomes a white one of the control's size.
    // The returned image stays this control's own: writing into its rows changes what is shown
    // at the next paint.
    QImage& Canvas();
    // Paints the control now and returns when the frame is on the screen.
    void RepaintNow();

    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PictureChanged();

    QImage FPicture;
    // Where FPicture is not in its transparent colour, when Transparent; made at the first
    // paint after the picture changed.
    std::optional<QRegion> FOpaque;
    bool FStretch = false;
    bool FTransparent = false;
    bool FPressed = false;
};
