// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include "toolkit/graphics/Color.h"
#include "toolkit/base/NotifyEvent.h"

#include <QFont>
#include <QObject>
#include <QString>
#include <memory>

namespace TarvoWidgets {

/// The toolkit's font object: a typeface with a size, a style and a colour, which tells its owner
/// through OnChange whenever any of them changes. A QFont has no colour; here the colour travels
/// with the face, as the toolkit's does.
class TARVOWIDGETS_EXPORT TFont : public QObject {
    Q_OBJECT
    /// The typeface's family.
    Q_PROPERTY(QString Name READ Name WRITE SetName NOTIFY ValuesChanged)
    /// The size in points.
    Q_PROPERTY(int Size READ Size WRITE SetSize NOTIFY ValuesChanged)
    /// Bold, italic, underline and strike-out, as a set of flags.
    Q_PROPERTY(TFontStyles Style READ Style WRITE SetStyle NOTIFY ValuesChanged)
    /// The colour that the owner draws the text in (black by default).
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY ValuesChanged)

public:
    enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)

    /// The game's proportional gothic at 9 points, in black.
    explicit TFont(QObject* owner = nullptr);
    ~TFont() override;

    QString Name() const;
    void SetName(const QString& value);
    /// Points.
    int Size() const;
    void SetSize(int value);
    TFontStyles Style() const;
    void SetStyle(TFontStyles value);
    TColor Color() const;
    void SetColor(TColor value);

    /// Takes the face, size, style and colour of source, with one OnChange at the end.
    void Assign(const TFont& source);

    /// Whether the face is still the default one: no Name, Size or Style has been written
    /// (an Assign takes the source's answer).
    bool DefaultFace() const;
    /// The owner passes the application's font whenever its own font changed. When that is a
    /// new application font (not the one at the font's creation or last call), a default face
    /// takes its family and size, so that a program that changes its font changes the buttons
    /// that kept theirs; a face that was written stays as it is. Style and colour are kept.
    void FollowApplicationFont(const QFont& font);
    /// The face to draw with; the colour is the pen's business.
    const QFont& Face() const;

    /// The toolkit's change event: called after every change, before Qt's signal.
    const TNotifyEvent& OnChange() const;
    void SetOnChange(TNotifyEvent value);

Q_SIGNALS:
    /// Qt's change signal of every value of the font, emitted right after OnChange.
    void ValuesChanged();

private:
    // Each setter compares first, so a write of the same value reports nothing.
    void Changed();


private:
    struct Private;
    std::unique_ptr<Private> const d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TFont::TFontStyles)

} // namespace TarvoWidgets
