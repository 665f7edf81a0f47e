#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

#include "ui_test_support.h"

// What the X server and the window manager hold about a window, asked through the standard
// X tools rather than Qt, whose idea of a window's place can lag behind the manager's; and
// input sent as a user's devices send it (XTEST), so it goes through the window manager.

// Runs an X tool and returns what it printed, or nothing when it failed or took too long.
// The event loop keeps running meanwhile, so the program answers the manager.
std::optional<QString> RunTool(const QString& program, const QStringList& args);

// The window's own area in screen coordinates, as the X server has it.
std::optional<QRect> ClientRect(WId window);
// The frame the manager put around the window; nothing before the manager took it.
std::optional<QMargins> FrameExtents(WId window);
// The window with its frame.
std::optional<QRect> OuterRect(WId window);
// The managed windows, bottom to top.
QList<WId> StackingBottomToTop();
bool IsViewable(WId window);
bool IsIconic(WId window);

// Waits until the manager has framed and mapped the window.
bool WaitUntilManaged(WId window);
// Asks the manager to activate the window (as a task bar does) and waits until it is.
bool ActivateWindow(WId window);
// A click of the real pointer at the middle of `control`, placed by where the X server has
// its window.
bool ClickOn(const QWidget& control);
// Key strokes in xdotool's notation ("Escape", "alt+F4"), one after another when separated by
// blanks, to the focused window.
bool PressKeys(const QString& keys);

// Activates the dialog as a user clicking into it would, then types `keys` into it and waits
// until it has closed. Notes the text of a message box in `texts`.
ModalWatchdog::Answer AnswerWithKeys(const QString& keys, QStringList* texts = nullptr);

// Another application's ordinary window, for switching away from the program.
class OtherApplication {
  public:
    OtherApplication();
    ~OtherApplication();
    OtherApplication(const OtherApplication&) = delete;
    OtherApplication& operator=(const OtherApplication&) = delete;

    // Its window once the manager shows it; 0 when it does not appear.
    WId Window();

  private:
    QProcess m_process;
    WId m_window = 0;
};
