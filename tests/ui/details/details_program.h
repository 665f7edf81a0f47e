#pragma once

// ui_test_support.h presses message box buttons without including their class.
#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>
#include <string>

#include "program_fixture.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_links.h"

// Stands in for the main window beside a Details window a test builds on its own.
class SilentMainWindow : public MainWindowLink {
  public:
    void PreviewColor(ColorRole) override {}
    void ShowAndActivate() override {}
};

// The real program, built but not started, with its Details window, in a scratch current
// directory that holds a valid ShipStats.txt unless the test asks for none. Questions at
// start-up go to whatever watchdog the test set up beforehand.
class DetailsProgram {
  public:
    enum class StatsFile { Present, Missing };

    explicit DetailsProgram(StatsFile file = StatsFile::Present)
        : m_written(file == StatsFile::Missing || WriteStatsFileHere(kDefaultLine)) {
        m_program.DetailsWindow();
    }

    DetailsProgram(const DetailsProgram&) = delete;
    DetailsProgram& operator=(const DetailsProgram&) = delete;

    const ProgramState& State() const { return m_program.State(); }
    Engine& Core() { return m_program.Core(); }
    bool QuitRequested() const { return m_program.QuitRequested(); }
    TDetailsForm& Window() { return m_program.DetailsWindow(); }
    const ScratchCurrentDir& Dir() const { return m_dir; }

    bool ShowAndWait() {
        Window().show();
        return m_written && QTest::qWaitForWindowExposed(&Window());
    }

    // What the main window does on its first show: all three inputs, one calculation.
    void Calculate(int attacker, int defender, const std::string& count) {
        Core().SetInputs(attacker, defender, count);
    }

    template <typename T = QWidget>
    T* Find(const QString& name) {
        return FindControl<T>({&Window()}, name);
    }

    static QString Joined(const ReportLines& lines) {
        QStringList text;
        for (const std::string& line : lines) {
            text << ToQString(line);
        }
        return text.join(QLatin1Char('\n'));
    }

  private:
    ScratchCurrentDir m_dir;
    bool m_written = false;
    Program m_program;
};
