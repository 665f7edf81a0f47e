#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "desktop_support.h"
#include "main/main_window_fixture.h"

// The program on a desktop with a window manager: where its windows and pop-ups appear,
// how they stack, minimise, restore and take the focus, and how the start-up message
// reacts to the manager's and the keyboard's ways of closing it.
class DesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void dropped_lists_open_over_the_calculator();
    void escape_on_the_start_up_message_goes_on_with_the_defaults();
    void closing_the_start_up_message_by_the_manager_goes_on_with_the_defaults();
    void switching_applications_keeps_the_hints_switched_on();
    void start_up_message_is_centred_on_the_screen();
    void restore_warning_and_save_dialog_stack_above_the_calculator();
    void calculator_stays_above_another_application();
    void minimise_takes_both_windows_and_the_details_entry_restores_both();
    void restoring_the_calculator_brings_the_details_window_back();
    void minimise_key_takes_both_windows_as_the_label_does();
    void details_window_is_534_by_505_outside_and_centred();
    void alt_d_brings_the_details_window_in_front_of_another_application();
    void move_window_key_moves_the_calculator_with_the_arrows();
};

namespace {

const std::string kHintsOffLine =
    "0,0,0,0,0,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,";
constexpr int kCentreTolerance = 2;
constexpr int kStartsForListPlaces = 15;
// Both windows come back together, well within what a user would wait.
constexpr int kRestoreTimeoutMs = 2000;

QPoint ScreenCentre() {
    return QGuiApplication::primaryScreen()->geometry().center();
}

bool IsNear(QPoint point, QPoint target) {
    return (point - target).manhattanLength() <= kCentreTolerance;
}

// The program started without ShipStats.txt, the missing-file message answered by `keys`.
class ProgramWithoutStatsFile {
  public:
    explicit ProgramWithoutStatsFile(const QString& keys) {
        m_watchdog.Expect(AnswerWithKeys(keys, &m_messages));
        m_program = std::make_unique<Program>();
    }

    Program& Get() { return *m_program; }
    const QStringList& Messages() const { return m_messages; }
    const ModalWatchdog& Watchdog() const { return m_watchdog; }
    QString NotFoundMessage() const {
        return "Warning... " + m_dir.File(QStringLiteral("ShipStats.txt")) +
               " file not found. Proceed with default values ???";
    }

  private:
    ScratchCurrentDir m_dir;
    ModalWatchdog m_watchdog;
    QStringList m_messages;
    std::unique_ptr<Program> m_program;
};

// Starts the program and waits until the manager shows the calculator and gives it the focus.
bool StartOnDesktop(Program& program) {
    program.Start();
    return WaitUntilManaged(program.MainWindow().winId()) &&
           QTest::qWaitForWindowActive(&program.MainWindow());
}

bool OpenDetailsWindow(StartedProgram& program) {
    TDetailsForm& details = program.Get().DetailsWindow();
    return ClickOn(*program.Controls().Label("DetailsBtn")) &&
           QTest::qWaitFor([&details] { return details.isVisible(); }) &&
           WaitUntilManaged(details.winId());
}

qsizetype StackIndex(WId window) {
    return StackingBottomToTop().indexOf(window);
}

// Notes how high the dialog stands over the calculator once it shows, then types `keys`.
ModalWatchdog::Answer NoteStackingThenType(WId calculator, const QString& keys,
                                           QList<qsizetype>* heightsOverCalculator) {
    return [=](QWidget* dialog) {
        if (WaitUntilManaged(dialog->winId())) {
            heightsOverCalculator->append(StackIndex(dialog->winId()) - StackIndex(calculator));
        }
        AnswerWithKeys(keys)(dialog);
    };
}

// The open list spans the calculator, where the X server has it, and starts at the list's
// place; then Escape closes it.
void ExpectListOverCalculator(TForm1& window, const char* listName) {
    QWidget* popup = MainWindowControls(window).List(listName)->view()->window();
    QTRY_VERIFY(popup->isVisible());
    const std::optional<QRect> calculator = ClientRect(window.winId());
    const std::optional<QRect> shown = ClientRect(popup->winId());
    QVERIFY(calculator.has_value() && shown.has_value());
    qInfo("%s: calculator at %d,%d %dx%d, list opened at %d,%d %dx%d", listName, calculator->x(),
          calculator->y(), calculator->width(), calculator->height(), shown->x(), shown->y(),
          shown->width(), shown->height());
    QVERIFY(PressKeys(QStringLiteral("Escape")));
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(shown->left(), calculator->left() + 1);
    QCOMPARE(shown->width(), 130);
    QVERIFY2(shown->top() >= calculator->top() && shown->top() <= calculator->bottom(),
             "the list does not open at its place on the calculator");
}

void ClickArrowAndExpectListOverCalculator(TForm1& window, const char* arrow,
                                           const char* listName) {
    QVERIFY(ClickOn(*MainWindowControls(window).Label(arrow)));
    ExpectListOverCalculator(window, listName);
}

enum class Restore { Calculator, DetailsWindow };
enum class Minimise { ByLabel, ByKey };

// The minimise label, or its key in the calculator, sends both windows to the task bar;
// restoring one from its own entry brings the other back too.
void MinimiseBothThenRestore(Restore which, Minimise how = Minimise::ByLabel) {
    StartedProgram program;
    QVERIFY(program.Started());
    QVERIFY(OpenDetailsWindow(program));
    const WId calculator = program.MainWindow().winId();
    const WId details = program.Get().DetailsWindow().winId();

    if (how == Minimise::ByKey) {
        QVERIFY(ActivateWindow(calculator));
        QTRY_VERIFY(program.MainWindow().isActiveWindow());
        QVERIFY(PressKeys(QStringLiteral("alt+n")));
    } else {
        QVERIFY(ClickOn(*program.Controls().Label("MinBtn")));
    }
    QTRY_VERIFY(IsIconic(calculator));
    QTRY_VERIFY(IsIconic(details));

    const WId restored = which == Restore::DetailsWindow ? details : calculator;
    const WId other = which == Restore::DetailsWindow ? calculator : details;
    QVERIFY(ActivateWindow(restored));
    QTRY_VERIFY(!IsIconic(restored));
    QTRY_VERIFY2_WITH_TIMEOUT(!IsIconic(other), "the other window stays minimised",
                              kRestoreTimeoutMs);
    QTRY_VERIFY(IsViewable(other));
}

}  // namespace

void DesktopTest::dropped_lists_open_over_the_calculator() {
    // Whether Qt has learnt the calculator's place when a list opens depends on the window
    // manager's timing, so the program starts several times.
    for (int start = 1; start <= kStartsForListPlaces; ++start) {
        ProgramWithoutStatsFile program(QStringLiteral("Return"));
        QVERIFY(StartOnDesktop(program.Get()));
        QCOMPARE(program.Messages(), QStringList{program.NotFoundMessage()});
        TForm1& window = program.Get().MainWindow();
        ClickArrowAndExpectListOverCalculator(window, "AttListBtn", "AttShipList");
        if (QTest::currentTestFailed()) {
            qInfo("failed at start %d", start);
            return;
        }
        ClickArrowAndExpectListOverCalculator(window, "DefListBtn", "DefShipList");
        if (QTest::currentTestFailed()) {
            qInfo("failed at start %d", start);
            return;
        }
    }
}

void DesktopTest::escape_on_the_start_up_message_goes_on_with_the_defaults() {
    ProgramWithoutStatsFile program(QStringLiteral("Escape"));
    QCOMPARE(program.Messages(), QStringList{program.NotFoundMessage()});
    QVERIFY2(!program.Get().QuitRequested(), "Escape on the message ends the program");
    QVERIFY(StartOnDesktop(program.Get()));
    QCOMPARE(MainWindowControls(program.Get().MainWindow()).AttShips()->text(),
             QStringLiteral("0"));
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
}

void DesktopTest::closing_the_start_up_message_by_the_manager_goes_on_with_the_defaults() {
    ProgramWithoutStatsFile program(QStringLiteral("alt+F4"));
    QCOMPARE(program.Messages(), QStringList{program.NotFoundMessage()});
    QVERIFY2(!program.Get().QuitRequested(),
             "closing the message by the window manager ends the program");
    QVERIFY(StartOnDesktop(program.Get()));
    QCOMPARE(MainWindowControls(program.Get().MainWindow()).AttShips()->text(),
             QStringLiteral("0"));
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
}

void DesktopTest::switching_applications_keeps_the_hints_switched_on() {
    StartedProgram program(kHintsOffLine);
    QVERIFY(program.Started());
    QVERIFY(WaitUntilManaged(program.MainWindow().winId()));
    QLineEdit* count = program.Controls().AttShips();
    QVERIFY(count->toolTip().isEmpty());
    program.ChooseFromPopupMain(QStringLiteral("Turn Hints On"));
    QCOMPARE(count->toolTip(), QStringLiteral("Ships attacking"));

    OtherApplication other;
    QVERIFY(other.Window() != 0);
    QVERIFY(ActivateWindow(other.Window()));
    QTRY_VERIFY(!program.MainWindow().isActiveWindow());
    QVERIFY(ActivateWindow(program.MainWindow().winId()));
    QTRY_VERIFY(program.MainWindow().isActiveWindow());

    QMenu* menu = program.OpenPopupMain();
    QVERIFY(menu != nullptr);
    QVERIFY(StartedProgram::ItemCalled(*menu, QStringLiteral("Turn Hints Off")) != nullptr);
    QVERIFY(PressKeys(QStringLiteral("Escape")));
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(count->toolTip(), QStringLiteral("Ships attacking"));
}

void DesktopTest::start_up_message_is_centred_on_the_screen() {
    ScratchCurrentDir dir;
    ModalWatchdog watchdog;
    std::optional<QRect> shownAt;
    watchdog.Expect([&shownAt](QWidget* box) {
        if (WaitUntilManaged(box->winId())) {
            shownAt = OuterRect(box->winId());
        }
        AnswerWithKeys(QStringLiteral("Return"))(box);
    });
    Program program;

    QVERIFY(shownAt.has_value());
    qInfo("message at %d,%d %dx%d", shownAt->x(), shownAt->y(), shownAt->width(),
          shownAt->height());
    QVERIFY2(IsNear(shownAt->center(), ScreenCentre()),
             "the start-up message is not centred on the screen");
    QVERIFY(watchdog.Unexpected().isEmpty());
}

void DesktopTest::restore_warning_and_save_dialog_stack_above_the_calculator() {
    StartedProgram program;
    QVERIFY(program.Started());
    QVERIFY(OpenDetailsWindow(program));
    TDetailsForm& details = program.Get().DetailsWindow();
    QVERIFY(ClickOn(*details.findChild<QLabel*>(QStringLiteral("StatsFileBtn"))));
    auto* restore = details.findChild<QPushButton*>(QStringLiteral("RestoreBtn"));
    QTRY_VERIFY(restore->isVisible());

    QList<qsizetype> heights;
    const WId calculator = program.MainWindow().winId();
    program.Watchdog().Expect(NoteStackingThenType(calculator, QStringLiteral("Return"), &heights));
    program.Watchdog().Expect(NoteStackingThenType(calculator, QStringLiteral("Escape"), &heights));
    QVERIFY(ClickOn(*restore));
    QTRY_VERIFY_WITH_TIMEOUT(program.Watchdog().AllAnswered(), 15000);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);

    QCOMPARE(heights.size(), 2);
    qInfo("levels over the calculator: warning %lld, save dialog %lld",
          static_cast<long long>(heights[0]), static_cast<long long>(heights[1]));
    QVERIFY2(heights[0] > 0, "the Restore warning is below the calculator");
    QVERIFY2(heights[1] > 0, "the save dialog is below the calculator");
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
}

void DesktopTest::calculator_stays_above_another_application() {
    StartedProgram program;
    QVERIFY(program.Started());
    const WId calculator = program.MainWindow().winId();
    QVERIFY(WaitUntilManaged(calculator));
    OtherApplication other;
    QVERIFY(other.Window() != 0);
    QVERIFY(ActivateWindow(other.Window()));

    const QList<WId> stacking = StackingBottomToTop();
    QVERIFY(stacking.contains(other.Window()));
    QVERIFY2(stacking.indexOf(calculator) > stacking.indexOf(other.Window()),
             "another application's window covers the calculator");
}

void DesktopTest::minimise_takes_both_windows_and_the_details_entry_restores_both() {
    MinimiseBothThenRestore(Restore::DetailsWindow);
}

void DesktopTest::restoring_the_calculator_brings_the_details_window_back() {
    MinimiseBothThenRestore(Restore::Calculator);
}

void DesktopTest::minimise_key_takes_both_windows_as_the_label_does() {
    MinimiseBothThenRestore(Restore::Calculator, Minimise::ByKey);
}

void DesktopTest::details_window_is_534_by_505_outside_and_centred() {
    StartedProgram program;
    QVERIFY(program.Started());
    QVERIFY(OpenDetailsWindow(program));
    const WId details = program.Get().DetailsWindow().winId();

    std::optional<QRect> outer;
    const bool sized = QTest::qWaitFor([&] {
        outer = OuterRect(details);
        return outer && outer->size() == QSize(534, 505);
    });
    QVERIFY(outer.has_value());
    qInfo("Details window with its frame at %d,%d %dx%d", outer->x(), outer->y(), outer->width(),
          outer->height());
    QVERIFY2(sized, "the Details window's outer size is not 534 x 505");
    QVERIFY2(IsNear(outer->center(), ScreenCentre()),
             "the Details window is not centred on the screen");
}

// Typed on the calculator, once to open the Details window and once more after another
// application came over it.
void DesktopTest::alt_d_brings_the_details_window_in_front_of_another_application() {
    StartedProgram program;
    QVERIFY(program.Started());
    const WId calculator = program.MainWindow().winId();
    QVERIFY(WaitUntilManaged(calculator));
    TDetailsForm& detailsWindow = program.Get().DetailsWindow();
    const QString count = program.Controls().AttShips()->text();

    QVERIFY(PressKeys(QStringLiteral("alt+d")));
    QTRY_VERIFY(detailsWindow.isVisible());
    const WId details = detailsWindow.winId();
    QVERIFY(WaitUntilManaged(details));
    QTRY_VERIFY(detailsWindow.isActiveWindow());
    OtherApplication other;
    QVERIFY(other.Window() != 0);
    QVERIFY(ActivateWindow(other.Window()));
    QTRY_VERIFY(StackIndex(other.Window()) > StackIndex(details));

    QVERIFY(ActivateWindow(calculator));
    QVERIFY(PressKeys(QStringLiteral("alt+d")));
    QTRY_VERIFY2(StackIndex(details) > StackIndex(other.Window()),
                 "the other application still covers the Details window");
    QTRY_VERIFY(detailsWindow.isActiveWindow());
    QCOMPARE(program.Controls().AttShips()->text(), count);
}

// The manager's place of the window, not Qt's; afterwards keys reach the count box again.
void DesktopTest::move_window_key_moves_the_calculator_with_the_arrows() {
    StartedProgram program;
    QVERIFY(program.Started());
    const WId calculator = program.MainWindow().winId();
    QVERIFY(WaitUntilManaged(calculator));
    const std::optional<QRect> before = ClientRect(calculator);
    QVERIFY(before.has_value());
    const QString count = program.Controls().AttShips()->text();

    QVERIFY(PressKeys(QStringLiteral("alt+m Right Right Down ctrl+Left Return")));
    QTRY_VERIFY2(ClientRect(calculator) == before->translated(19, 10),
                 "the calculator is not where the arrows moved it");
    QVERIFY(PressKeys(QStringLiteral("End 5")));
    QTRY_COMPARE(program.Controls().AttShips()->text(), count + "5");
}

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
