// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QString>
#include <memory>

class QMessageBox;

namespace TarvoWidgets {

/// The application object, which holds the toolkit's default error handler: an error raised in
/// an event handler is shown and the program goes on. The handler is reached from our own entry
/// points (ErrorBoundary.h), never from notify: Qt does not support an exception unwinding
/// through its event dispatch, which leaks the event being delivered and can leave Qt's own
/// state half-updated.
///
/// A SIGTERM ends the event loop as closing the program does (TTerminationSignal), so that exec
/// returns 0 and what the program saves as it takes its windows down is saved.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    /// The default handler for the exception being handled (call from a catch block). With an
    /// application object of ours it goes to ShowException; with any other one (a program that
    /// uses the widgets with a plain QApplication), the error's text goes to Qt's message log.
    /// Never raises: it runs where nothing may.
    static void HandleException() noexcept;

    /// The text that the default handler shows for the exception being handled: the toolkit
    /// error's message, the text of any other standard exception, empty for anything else.
    static QString CurrentExceptionMessage();

    /// Shows the exception being handled (call from a catch block). By default a critical
    /// message box with the error's text (ErrorBoxText); a program with its own error box
    /// overrides it.
    virtual void ShowException();

    /// The window that a message box of the program belongs to: the active window, else the
    /// first visible top-level window; none while no window shows (an error at start-up). A
    /// box owned by it is kept above it and is modal to it by the window system: on X its
    /// transient-for, on Wayland its parent surface. Without an owner a box can fall behind
    /// the window whose input it blocks.
    static QWidget* BoxOwner();

    /// The window flags of a message box: a dialog with a title and a close button, and no
    /// minimise or maximise button of its own.
    static Qt::WindowFlags BoxFlags();

    /// Runs box (made with BoxOwner and BoxFlags) modally and returns its result. While it
    /// shows, an activation of its owner passes on to the box: X keeps a box above its owner,
    /// but a Wayland compositor may raise the owner over it on a click (the owner takes no
    /// input then); the box then asks to be activated. What follows is the compositor's
    /// policy: one that honours the request gives the box the keyboard back, and raises it
    /// where it raises what it focuses (sway 1.7 focuses it but leaves it drawn below).
    /// On Wayland a box that its frame's minimise button put away (Qt draws that button where
    /// the compositor draws no frames, whatever the flags) is shown again at once.
    static int ExecBox(QMessageBox& box);

private:
    // Nothing yet; the room for what a later version keeps, without changing the object's size.
    struct Private;
    std::unique_ptr<Private> const d;
};

/// The text that the error box shows for an error message: a "." is appended when the last
/// character sorts after "." (every Japanese text gets one; a text ending in a blank does not).
QString ErrorBoxText(const QString& message);

} // namespace TarvoWidgets
