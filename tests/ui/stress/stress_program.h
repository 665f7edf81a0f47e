#pragma once

#include <QString>
#include <QWidget>
#include <QtGlobal>

#include "main/main_window_fixture.h"

// The whole program, started as a user starts it, in a scratch current directory that
// holds a ShipStats.txt of the built-in table written by the core. The dialog watchdog
// lives as long as the program, so every dialog of the run goes through it.
class StressProgram {
  public:
    StressProgram() : m_written(WriteStatsFile(kDefaultLine)) {}
    StressProgram(const StressProgram&) = delete;
    StressProgram& operator=(const StressProgram&) = delete;

    bool Started() { return m_written && StartAndActivate(m_program); }

    ProgramState& State() { return m_program.State(); }
    TForm1& MainWindow() { return m_program.MainWindow(); }
    TDetailsForm& DetailsWindow() { return m_program.DetailsWindow(); }
    const MainWindowControls& Main() const { return m_main; }
    ModalWatchdog& Dialogs() { return m_dialogs; }
    const ScratchCurrentDir& Dir() const { return m_dir; }

    // A control of either window by its name; null when there is none.
    template <typename Control = QWidget>
    Control* Find(const QString& name) {
        if (auto* control = MainWindow().findChild<Control*>(name)) {
            return control;
        }
        return DetailsWindow().findChild<Control*>(name);
    }

  private:
    ScratchCurrentDir m_dir;
    bool m_written = false;
    ModalWatchdog m_dialogs;
    Program m_program;
    MainWindowControls m_main{m_program.MainWindow()};
};

// A text as the failure messages quote it.
inline QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The offscreen platform reports every raise, lower and keyboard grab it cannot do; over
// thousands of actions those notices would bury the test's own output.
inline void DropOffscreenPlatformNotices() {
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.startsWith(QLatin1String("This plugin does not support"))) {
                previous(type, context, message);
            }
        });
}
