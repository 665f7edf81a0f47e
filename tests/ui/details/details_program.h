#pragma once

// ui_test_support.h presses message box buttons without including their class.
#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>
#include <memory>
#include <string>

#include "core/calculation.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"
#include "data/file_view.h"
#include "data/stats_file.h"
#include "ui/common/qt_text.h"
#include "ui/details/details_form.h"
#include "ui/main/program.h"
#include "ui_test_support.h"

// Stands in for the main window, which these tests do not build.
class SilentMainWindow : public MainWindowLink {
  public:
    void PreviewColor(ColorRole) override {}
    void ShowAndActivate() override {}
};

// The program's start-up as far as the Details window, in a scratch current directory
// that holds a valid ShipStats.txt unless the test asks for none.
class DetailsProgram {
  public:
    enum class StatsFile { Present, Missing };

    explicit DetailsProgram(StatsFile file = StatsFile::Present) {
        if (file == StatsFile::Present) {
            WriteDefaultStatsFile(m_dir.File(QStringLiteral("ShipStats.txt")));
        }
        StartCore(m_state);
        m_state.Ui = &m_startupMessages;
        LoadStatsFile(m_state);
        m_window = std::make_unique<TDetailsForm>(m_state, m_mainWindow);
    }

    DetailsProgram(const DetailsProgram&) = delete;
    DetailsProgram& operator=(const DetailsProgram&) = delete;

    ProgramState& State() { return m_state; }
    TDetailsForm& Window() { return *m_window; }
    const ScratchCurrentDir& Dir() const { return m_dir; }

    bool ShowAndWait() {
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window.get());
    }

    // What the main window does on a selection or a count change: the inputs in, then
    // the core.
    void Calculate(int attacker, int defender, const std::string& count) {
        ReleaseStartupGuard(m_state);
        m_state.Inputs.AttShipListIndex = attacker;
        m_state.Inputs.DefShipListIndex = defender;
        m_state.Inputs.AttShipsText = count;
        ApplyAttackerSelection(m_state);
        ApplyDefenderSelection(m_state);
        CalculateCombat(m_state);
    }

    template <typename T = QWidget>
    T* Find(const QString& name) const {
        return m_window->findChild<T*>(name);
    }

    static QString Joined(const ReportLines& lines) {
        QStringList text;
        for (const std::string& line : lines) {
            text << ToQString(line);
        }
        return text.join(QLatin1Char('\n'));
    }

  private:
    static void WriteDefaultStatsFile(const QString& path) {
        FileView view;
        FillFileView(view, kDefaultFileHeader, DefaultShipTable());
        view.Replace(kSettingsLineNumber, DefaultSettingsLine);
        const std::string error = view.WriteTo(ToBytes(path));
        QVERIFY2(error.empty(), error.c_str());
    }

    ScratchCurrentDir m_dir;
    ProgramState m_state;
    StartupMessages m_startupMessages;
    SilentMainWindow m_mainWindow;
    std::unique_ptr<TDetailsForm> m_window;
};
