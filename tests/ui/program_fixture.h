#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/program_state.h"
#include "core/startup.h"
#include "data/default_ships.h"
#include "data/stats_file.h"
#include "ui/details/details_form.h"
#include "ui/main/program.h"
#include "ui/main/tform1.h"
#include "ui_test_support.h"

// The plumbing every widget suite shares: the stats file, the program's start, its
// controls by name, and what the core computes on its own for comparison.

inline const std::string kDefaultLine{DefaultSettingsLine};

// Writes a stats file as the program writes it: `header`, `table`, and `settingsLine` as its
// fourth line. Returns the error text, empty when the file was written.
std::string WriteStatsFile(const QString& path, const ShipTable& table = DefaultShipTable(),
                           std::string_view settingsLine = DefaultSettingsLine,
                           std::string_view header = kDefaultFileHeader);

// ShipStats.txt in the current directory: the built-in table, changed by `edit`, with
// `settingsLine`; true when written.
bool WriteStatsFileHere(const std::string& settingsLine,
                        const std::function<void(ShipTable&)>& edit = {});

std::string BuiltInName(int row);

// What the core computes for `inputs` on `table` in a state no window has touched.
ProgramState FreshCalculation(const ShipTable& table, const MainInputs& inputs,
                              std::int32_t baseHitChance = kDefaultBaseHitChance,
                              char decimalSeparator = '.');

struct ExpectedResult {
    ResultTexts texts;
    std::string resultLine;
};

// A fresh calculation of a pairing of the built-in table.
ExpectedResult ExpectedFor(int attacker, int defender, const std::string& count);

// The control called `name` in the first of `windows` that has one; null when none has.
template <typename Control = QWidget>
Control* FindControl(std::initializer_list<const QWidget*> windows, const QString& name) {
    for (const QWidget* window : windows) {
        if (auto* control = window->findChild<Control*>(name)) {
            return control;
        }
    }
    return nullptr;
}

// As FindControl, for controls the test cannot go on without: it ends when there is none.
template <typename Control = QWidget>
Control* RequireControl(std::initializer_list<const QWidget*> windows, const QString& name) {
    auto* control = FindControl<Control>(windows, name);
    if (control == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return control;
}

// The main window's controls, found by their names as a user finds them by their places.
class MainWindowControls {
  public:
    explicit MainWindowControls(QWidget& window) : m_window(window) {}

    QLineEdit* AttShips() const { return Find<QLineEdit>("AttShips"); }
    QComboBox* List(const char* name) const { return Find<QComboBox>(name); }
    QLabel* Label(const char* name) const { return Find<QLabel>(name); }
    QString Text(const char* name) const { return Label(name)->text(); }
    QColor TextColor(const char* name) const {
        return Label(name)->palette().color(QPalette::WindowText);
    }

    template <typename Control>
    Control* Find(const char* name) const {
        return RequireControl<Control>({&m_window}, QLatin1String(name));
    }

  private:
    QWidget& m_window;
};

// Sends the pointer onto or off a control.
inline void MovePointerOnto(QWidget* control) {
    QEnterEvent enter(QPointF(1, 1), control->mapTo(control->window(), QPointF(1, 1)),
                      control->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(control, &enter);
}

inline void MovePointerOff(QWidget* control) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(control, &leave);
}

// Starts the program as a user does and waits until its main window is the active one and
// the Details window, built after the main window's first paint, has taken over as the
// core's frontend.
bool StartAndActivate(Program& program);

// The real program in a scratch current directory whose ShipStats.txt holds the built-in
// table, changed by `edit`, with `settingsLine`. The dialog watchdog lives as long as the
// program, so every dialog of the run goes through it; Started() starts the program as a
// user does.
class ProgramFixture {
  public:
    explicit ProgramFixture(const std::string& settingsLine = kDefaultLine,
                            const std::function<void(ShipTable&)>& edit = {});
    ProgramFixture(const ProgramFixture&) = delete;
    ProgramFixture& operator=(const ProgramFixture&) = delete;

    bool Started() { return m_written && StartAndActivate(m_program); }

    Program& Get() { return m_program; }
    const ProgramState& State() const { return m_program.State(); }
    Engine& Core() { return m_program.Core(); }
    TForm1& MainWindow() { return m_program.MainWindow(); }
    TDetailsForm& DetailsWindow() { return m_program.DetailsWindow(); }
    const MainWindowControls& Controls() const { return m_controls; }
    const ModalWatchdog& Watchdog() const { return m_watchdog; }
    ModalWatchdog& Watchdog() { return m_watchdog; }
    const ScratchCurrentDir& Dir() const { return m_dir; }

    // A control of either window by its name; null when there is none.
    template <typename Control = QWidget>
    Control* Find(const QString& name) {
        return FindControl<Control>({&MainWindow(), &DetailsWindow()}, name);
    }

  private:
    ScratchCurrentDir m_dir;
    bool m_written = false;
    ModalWatchdog m_watchdog;
    Program m_program;
    MainWindowControls m_controls{m_program.MainWindow()};
};
