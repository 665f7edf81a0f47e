#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <functional>
#include <string>

#include "core/calculation.h"
#include "core/program_state.h"
#include "core/stats_storage.h"
#include "data/default_ships.h"
#include "data/file_view.h"
#include "data/stats_file.h"
#include "ui/common/qt_text.h"
#include "ui/details/details_form.h"
#include "ui/main/program.h"
#include "ui/main/tform1.h"
#include "ui_test_support.h"

inline const std::string kDefaultLine{DefaultSettingsLine};

// Writes ShipStats.txt into the current directory: the built-in table, changed by `edit`,
// with `settingsLine` as its fourth line.
inline bool WriteStatsFile(const std::string& settingsLine,
                           const std::function<void(ShipTable&)>& edit = {}) {
    ShipTable table = DefaultShipTable();
    if (edit) {
        edit(table);
    }
    FileView view;
    FillFileView(view, kDefaultFileHeader, table);
    view.Replace(kSettingsLineNumber, settingsLine);
    return view.WriteTo("ShipStats.txt").empty();
}

inline std::string BuiltInName(int row) {
    return DefaultShipTable()[row][Col::ShipName];
}

// What the core computes for a pairing of the built-in table, to compare the window with.
struct ExpectedResult {
    ResultTexts texts;
    std::string resultLine;
};

inline ExpectedResult ExpectedFor(int attacker, int defender, const std::string& count) {
    ProgramState state;
    BuildDefaultStats(state);
    state.ActiveStats = state.StoredStats;
    state.Inputs = {attacker, defender, count};
    ApplyAttackerSelection(state);
    ApplyDefenderSelection(state);
    CalculateCombat(state);
    return {state.Results, state.Combat.ResultLine};
}

// Counts the calculations the core reports, passing every call on to the real frontend.
class CountingFrontend : public Frontend {
  public:
    explicit CountingFrontend(ProgramState& state) : m_state(state), m_inner(*state.Ui) {
        m_state.Ui = this;
    }
    ~CountingFrontend() override { m_state.Ui = &m_inner; }
    CountingFrontend(const CountingFrontend&) = delete;
    CountingFrontend& operator=(const CountingFrontend&) = delete;

    int Calculations() const { return m_calculations; }

    void ShowCurrentResult() override {
        ++m_calculations;
        m_inner.ShowCurrentResult();
    }
    void ReportUpdated(Report report) override { m_inner.ReportUpdated(report); }
    void ShowStatsFile() override { m_inner.ShowStatsFile(); }
    bool ConfirmOkAbort(const std::string& message) override {
        return m_inner.ConfirmOkAbort(message);
    }
    std::optional<std::string> ChooseSaveFile(const std::string& path) override {
        return m_inner.ChooseSaveFile(path);
    }
    std::string CurrentDateTimeText() override { return m_inner.CurrentDateTimeText(); }

  private:
    ProgramState& m_state;
    Frontend& m_inner;
    int m_calculations = 0;
};

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
        auto* control = m_window.findChild<Control*>(QLatin1String(name));
        if (control == nullptr) {
            qFatal("no control %s", name);
        }
        return control;
    }

  private:
    QWidget& m_window;
};

inline bool ShowsResult(const MainWindowControls& controls, const ResultTexts& expected) {
    const std::pair<const char*, const std::string*> shown[] = {
        {"CombatText", &expected.CombatText},       {"DefShips", &expected.DefShips},
        {"TargetDisplay", &expected.TargetDisplay}, {"InitText", &expected.InitText},
        {"TargetText", &expected.TargetText},       {"ClassText", &expected.ClassText},
        {"Efficiency", &expected.Efficiency},
    };
    for (const auto& [name, text] : shown) {
        if (controls.Text(name) != ToQString(*text)) {
            qWarning("%s shows '%s', expected '%s'", name, qPrintable(controls.Text(name)),
                     text->c_str());
            return false;
        }
    }
    return true;
}

// Starts the program as a user does and waits until its main window is the active one and
// the Details window, built after the main window's first paint, has taken over as the
// core's frontend.
inline bool StartAndActivate(Program& program) {
    program.Start();
    return QTest::qWaitForWindowActive(&program.MainWindow()) && QTest::qWaitFor([&program] {
               return program.State().Ui != nullptr &&
                      dynamic_cast<TDetailsForm*>(program.State().Ui) != nullptr;
           });
}

// Leaves the main window for the Details window and comes back, as a user does after
// working there.
inline bool ReturnFromDetailsWindow(Program& program) {
    TDetailsForm& details = program.DetailsWindow();
    details.show();
    details.activateWindow();
    if (!QTest::qWaitForWindowActive(&details)) {
        return false;
    }
    program.MainWindow().activateWindow();
    return QTest::qWaitForWindowActive(&program.MainWindow());
}

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

// Runs the program's event loop until the program ends it; 1 when it does not within a
// few seconds.
inline int RunEventLoopUntilProgramEnds() {
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &giveUp, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);
    return QApplication::exec();
}

// The program in a scratch directory with a stats file of the built-in table, changed by
// `edit`, and `settingsLine`; Started() starts it as a user does.
class StartedProgram {
  public:
    explicit StartedProgram(const std::string& settingsLine = kDefaultLine,
                            const std::function<void(ShipTable&)>& edit = {})
        : m_written(WriteStatsFile(settingsLine, edit)) {}

    bool Started() { return m_written && StartAndActivate(m_program); }
    Program& Get() { return m_program; }
    TForm1& Window() { return m_program.MainWindow(); }
    const MainWindowControls& Controls() const { return m_controls; }
    const ModalWatchdog& Watchdog() const { return m_watchdog; }
    ModalWatchdog& Watchdog() { return m_watchdog; }

    void SetCount(const QString& text) {
        m_controls.AttShips()->selectAll();
        QTest::keyClicks(m_controls.AttShips(), text);
    }

    // A right click on the count box, which leaves the menu to the window like every
    // control does.
    QMenu* OpenPopupMain() {
        QTest::mouseClick(Window().windowHandle(), Qt::RightButton, {}, QPoint(60, 30));
        auto* menu = Window().findChild<QMenu*>(QStringLiteral("PopupMain"));
        return menu != nullptr && QTest::qWaitFor([menu] { return menu->isVisible(); }) ? menu
                                                                                        : nullptr;
    }

    void ChooseFromPopupMain(const QString& caption) {
        QMenu* menu = OpenPopupMain();
        QVERIFY(menu != nullptr);
        QAction* item = ItemCalled(*menu, caption);
        QVERIFY(item != nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QTRY_VERIFY(!menu->isVisible());
    }

    static QAction* ItemCalled(const QMenu& menu, const QString& caption) {
        for (QAction* item : menu.actions()) {
            if (item->text() == caption) {
                return item;
            }
        }
        return nullptr;
    }

  private:
    ScratchCurrentDir m_dir;
    bool m_written = false;
    ModalWatchdog m_watchdog;
    Program m_program;
    MainWindowControls m_controls{m_program.MainWindow()};
};
