#include <QApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

#include "core/calculation.h"
#include "main_window_fixture.h"

// Start-up, the window's look, its ship lists and the count box.
class MainWindowStartupTest : public QObject {
    Q_OBJECT

  private slots:
    void opens_with_the_fleet_and_ships_of_the_settings_line();
    void names_at_start_up_are_those_of_the_loaded_table();
    void missing_file_is_reported_and_the_defaults_are_used();
    void abort_at_start_up_ends_the_program_once_it_runs();
    void details_window_is_built_after_the_first_paint();
    void defaults_outside_the_table_select_the_first_row_data();
    void defaults_outside_the_table_select_the_first_row();

    void is_a_frameless_window_on_top_centred_on_the_screen();
    void controls_sit_at_their_places();
    void names_cover_their_lists_data();
    void names_cover_their_lists();
    void tab_moves_through_count_defender_list_attacker_list();

    void colours_of_the_settings_line_are_applied_to_every_control();
    void returning_to_the_window_takes_in_edited_stats();

    void letters_in_the_count_box_stay_and_count_as_no_ships();
    void list_without_selection_returns_to_the_last_picked_row_data();
    void list_without_selection_returns_to_the_last_picked_row();
    void typing_a_name_start_picks_that_ship();
    void long_name_shows_whole_at_start_up_and_cut_after_a_pick();
    void clicking_a_name_focuses_its_list_and_highlights_the_name();
    void list_arrow_opens_the_list_across_the_window();
};

namespace {

int VisibleWindowsBut(const QWidget* except) {
    int count = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        count += window != except && window->isVisible() ? 1 : 0;
    }
    return count;
}

int DetailsWindowsBuilt() {
    int count = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        count += qobject_cast<const TDetailsForm*>(window) != nullptr ? 1 : 0;
    }
    return count;
}

std::string Joined(const ReportLines& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? "" : "\n") + lines[i];
    }
    return text;
}

const QColor kSkyBlue(166, 202, 240);
const QColor kAqua(0, 255, 255);

// The colours of the settings line clNavy,clRed,clYellow,clLime,clSilver,clGreen,clFuchsia
// by their role.
const QColor kLineColours[] = {{0, 0, 128},     {255, 0, 0}, {255, 255, 0}, {0, 255, 0},
                               {192, 192, 192}, {0, 128, 0}, {255, 0, 255}};

// A control of either window that takes a settings colour, and where it shows it.
struct ColourUse {
    const char* control;
    QPalette::ColorRole role;
    ColorRole setting;
};

const ColourUse kColourUses[] = {
    {"AttShips", QPalette::Text, ColorRole::MainText},
    {"AttShips", QPalette::Base, ColorRole::MainBackground},
    {"AttShipList", QPalette::Text, ColorRole::MainText},
    {"AttShipList", QPalette::ButtonText, ColorRole::MainText},
    {"DefShipList", QPalette::Text, ColorRole::MainText},
    {"DefShipList", QPalette::ButtonText, ColorRole::MainText},
    {"DetailsBtn", QPalette::WindowText, ColorRole::MainText},
    {"HelpBtn", QPalette::WindowText, ColorRole::MainText},
    {"ClipBtn", QPalette::WindowText, ColorRole::MainText},
    {"MoveBtn", QPalette::WindowText, ColorRole::MainText},
    {"MinBtn", QPalette::WindowText, ColorRole::MainText},
    {"CloseBtn", QPalette::WindowText, ColorRole::MainText},
    {"SpinUpBtn", QPalette::WindowText, ColorRole::MainText},
    {"SpinDownBtn", QPalette::WindowText, ColorRole::MainText},
    {"AttListBtn", QPalette::WindowText, ColorRole::MainText},
    {"DefListBtn", QPalette::WindowText, ColorRole::MainText},
    {"AttShip", QPalette::WindowText, ColorRole::MainText},
    {"DefShip", QPalette::WindowText, ColorRole::MainText},
    {"CombatText", QPalette::WindowText, ColorRole::MainText},
    {"DefShips", QPalette::WindowText, ColorRole::MainText},
    {"TargetDisplay", QPalette::WindowText, ColorRole::MainText},
    {"InitText", QPalette::WindowText, ColorRole::MainText},
    {"ClassText", QPalette::WindowText, ColorRole::MainText},
    {"Efficiency", QPalette::WindowText, ColorRole::MainText},
    {"ListBtnOverlay", QPalette::WindowText, ColorRole::MainHighlight},
    {"CalculationBtn", QPalette::WindowText, ColorRole::DetailsHighlight},
    {"TargetBtn", QPalette::WindowText, ColorRole::DetailsText},
    {"ResourcesBtn", QPalette::WindowText, ColorRole::DetailsText},
    {"BasicStatsBtn", QPalette::WindowText, ColorRole::DetailsText},
    {"ResultsBtn", QPalette::WindowText, ColorRole::DetailsText},
    {"StatsFileBtn", QPalette::WindowText, ColorRole::DetailsText},
    {"CalculationMemo", QPalette::Text, ColorRole::DetailsText},
    {"TargetAttMemo", QPalette::Text, ColorRole::DetailsText},
    {"TargetDefMemo", QPalette::Text, ColorRole::DetailsText},
    {"ResourcesAttMemo", QPalette::Text, ColorRole::DetailsText},
    {"ResourcesDefMemo", QPalette::Text, ColorRole::DetailsText},
    {"BasicStatsAttMemo", QPalette::Text, ColorRole::DetailsText},
    {"BasicStatsDefMemo", QPalette::Text, ColorRole::DetailsText},
    {"ResultsPanel", QPalette::WindowText, ColorRole::DetailsText},
    {"ResultsMemo", QPalette::Text, ColorRole::DetailsText},
    {"ResultsMemo", QPalette::Base, ColorRole::DetailsBackground},
    {"StatsGrid", QPalette::Base, ColorRole::DetailsBackground},
    {"StatsGrid", QPalette::Button, ColorRole::DetailsBackground},
    {"StatsGrid", QPalette::Text, ColorRole::DetailsText},
    {"BackgroundBox", QPalette::Window, ColorRole::MainBackground},
    {"BorderBox", QPalette::Window, ColorRole::MainBorder},
    {"TextBox", QPalette::Window, ColorRole::MainText},
    {"HighlightBox", QPalette::Window, ColorRole::MainHighlight},
    {"DetailsBackgroundBox", QPalette::Window, ColorRole::DetailsBackground},
    {"DetailsTextBox", QPalette::Window, ColorRole::DetailsText},
    {"DetailsHighlightBox", QPalette::Window, ColorRole::DetailsHighlight},
};

}  // namespace

void MainWindowStartupTest::opens_with_the_fleet_and_ships_of_the_settings_line() {
    StartedProgram program(
        "1,0,250,3,7,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,");
    QVERIFY(program.Started());

    const MainWindowControls& controls = program.Controls();
    QCOMPARE(controls.AttShips()->text(), QStringLiteral("250"));
    QCOMPARE(controls.Text("AttShip"), QString::fromStdString(" " + BuiltInName(3)));
    QCOMPARE(controls.Text("DefShip"), QString::fromStdString(" " + BuiltInName(7)));
    QCOMPARE(controls.List("AttShipList")->currentIndex(), 3);
    QCOMPARE(controls.List("DefShipList")->currentIndex(), 7);
    const ExpectedResult expected = ExpectedFor(3, 7, "250");
    QVERIFY(ShowsResult(controls, expected.texts));
    QCOMPARE(program.Get().State().Combat.ResultLine, expected.resultLine);
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
    QVERIFY(!program.Get().QuitRequested());
}

// The results come from the loaded file's rows, so the names above them must too.
void MainWindowStartupTest::names_at_start_up_are_those_of_the_loaded_table() {
    StartedProgram program(
        "1,0,250,3,7,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,",
        [](ShipTable& table) {
            table[3][Col::ShipName] = "Loaded Three";
            table[7][Col::ShipName] = "Loaded Seven";
        });
    QVERIFY(program.Started());

    const MainWindowControls& controls = program.Controls();
    QCOMPARE(controls.Text("AttShip"), QStringLiteral(" Loaded Three"));
    QCOMPARE(controls.Text("DefShip"), QStringLiteral(" Loaded Seven"));
    QCOMPARE(program.Get().State().ActiveStats[3][Col::ShipName], "Loaded Three");
}

void MainWindowStartupTest::missing_file_is_reported_and_the_defaults_are_used() {
    ScratchCurrentDir dir;
    ModalWatchdog watchdog;
    watchdog.ExpectMessage(QMessageBox::Ok);
    Program program;
    QVERIFY(StartAndActivate(program));

    QCOMPARE(watchdog.Messages(), QStringList{"Warning... " + dir.File("ShipStats.txt") +
                                              " file not found. Proceed with default values ???"});
    const MainWindowControls controls(program.MainWindow());
    QCOMPARE(controls.AttShips()->text(), QStringLiteral("0"));
    QCOMPARE(controls.Text("AttShip"), QString::fromStdString(" " + BuiltInName(0)));
    QCOMPARE(controls.Text("DefShip"), QString::fromStdString(" " + BuiltInName(0)));
    QVERIFY(ShowsResult(controls, ExpectedFor(0, 0, "0").texts));
    QVERIFY(!program.QuitRequested());
    QVERIFY(watchdog.Unexpected().isEmpty());
}

void MainWindowStartupTest::abort_at_start_up_ends_the_program_once_it_runs() {
    ScratchCurrentDir dir;
    ModalWatchdog watchdog;
    int windowsShownWhileAsked = -1;
    watchdog.Expect([&windowsShownWhileAsked](QWidget* box) {
        windowsShownWhileAsked = VisibleWindowsBut(box);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Abort)->click();
    });
    Program program;
    QVERIFY(program.QuitRequested());
    QVERIFY(watchdog.AllAnswered());
    QCOMPARE(windowsShownWhileAsked, 0);

    program.Start();
    QCOMPARE(RunEventLoopUntilProgramEnds(), 0);
    QVERIFY(!program.MainWindow().isVisible());
    QCOMPARE(VisibleWindowsBut(nullptr), 0);
    QVERIFY(watchdog.Unexpected().isEmpty());
}

// The calculator shows first; the Details window is built after its first paint.
void MainWindowStartupTest::details_window_is_built_after_the_first_paint() {
    ScratchCurrentDir dir;
    QVERIFY(WriteStatsFileHere(kDefaultLine));
    Program program;
    QCOMPARE(DetailsWindowsBuilt(), 0);

    program.Start();
    QCOMPARE(DetailsWindowsBuilt(), 0);
    QVERIFY(QTest::qWaitForWindowExposed(&program.MainWindow()));
    QTRY_COMPARE(DetailsWindowsBuilt(), 1);
    QCOMPARE(&program.DetailsWindow(), dynamic_cast<TDetailsForm*>(program.State().Ui));
    QVERIFY(!program.DetailsWindow().isVisible());
    const auto* calculation =
        program.DetailsWindow().findChild<QPlainTextEdit*>(QStringLiteral("CalculationMemo"));
    QCOMPARE(calculation->toPlainText().toStdString(), Joined(program.State().Reports.Calculation));
}

void MainWindowStartupTest::defaults_outside_the_table_select_the_first_row_data() {
    QTest::addColumn<QString>("attacker");
    QTest::addColumn<QString>("defender");
    QTest::newRow("none chosen") << "-1"
                                 << "-1";
    QTest::newRow("past the end") << "54"
                                  << "1000";
    QTest::newRow("attacker only") << "-7"
                                   << "5";
}

void MainWindowStartupTest::defaults_outside_the_table_select_the_first_row() {
    QFETCH(QString, attacker);
    QFETCH(QString, defender);
    const std::string line = "1,0,10," + attacker.toStdString() + "," + defender.toStdString() +
                             ",clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,";
    StartedProgram program(line);
    QVERIFY(program.Started());

    const MainWindowControls& controls = program.Controls();
    const int defenderRow = defender.toInt() == 5 ? 5 : 0;
    QCOMPARE(controls.List("AttShipList")->currentIndex(), 0);
    QCOMPARE(controls.List("DefShipList")->currentIndex(), defenderRow);
    QCOMPARE(controls.Text("AttShip"), QString::fromStdString(" " + BuiltInName(0)));
    QVERIFY(ShowsResult(controls, ExpectedFor(0, defenderRow, "10").texts));
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
}

void MainWindowStartupTest::is_a_frameless_window_on_top_centred_on_the_screen() {
    StartedProgram program;
    QVERIFY(program.Started());

    const TForm1& window = program.MainWindow();
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(window.size(), QSize(132, 126));
    QCOMPARE(window.windowTitle(), QStringLiteral("Skirmod v9.5"));
    const QRect screen = window.screen()->geometry();
    QCOMPARE(window.geometry().center(), screen.center());
    QCOMPARE(window.font().family(), QStringLiteral("Arial"));
    QCOMPARE(window.font().pixelSize(), 12);
    QVERIFY(window.font().bold());
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
}

void MainWindowStartupTest::controls_sit_at_their_places() {
    struct Place {
        const char* name;
        QRect place;
        bool visible;
    };
    const Place places[] = {
        {"Menu", {0, 0, 132, 21}, true},
        {"DetailsBtn", {5, 3, 39, 15}, true},
        {"HelpBtn", {52, 3, 7, 15}, false},
        {"ClipBtn", {66, 3, 9, 15}, false},
        {"MoveBtn", {51, 3, 39, 15}, true},
        {"MinBtn", {94, 1, 15, 16}, true},
        {"CloseBtn", {113, 3, 15, 15}, true},
        {"AttShips", {5, 24, 102, 16}, true},
        {"TargetText", {46, 24, 19, 17}, false},
        {"SpinUpBtn", {107, 25, 11, 13}, true},
        {"SpinDownBtn", {116, 24, 11, 13}, true},
        {"AttShipList", {10, 38, 90, 22}, true},
        {"AttShip", {2, 40, 109, 18}, true},
        {"AttListBtn", {108, 37, 21, 19}, true},
        {"CombatText", {2, 57, 72, 18}, true},
        {"Efficiency", {74, 57, 51, 17}, true},
        {"DefShips", {5, 74, 102, 19}, true},
        {"TargetDisplay", {108, 74, 18, 19}, true},
        {"ListBtnOverlay", {83, 72, 23, 23}, false},
        {"DefShipList", {10, 88, 90, 22}, true},
        {"DefShip", {2, 91, 109, 22}, true},
        {"DefListBtn", {108, 88, 21, 19}, true},
        {"ClassText", {5, 108, 54, 16}, true},
        {"InitText", {57, 108, 68, 13}, true},
    };
    StartedProgram program;
    QVERIFY(program.Started());
    for (const Place& expected : places) {
        const auto* control = program.MainWindow().findChild<QWidget*>(expected.name);
        QVERIFY2(control != nullptr, expected.name);
        QVERIFY2(control->geometry() == expected.place && control->isVisible() == expected.visible,
                 expected.name);
    }
}

void MainWindowStartupTest::names_cover_their_lists_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("topControl");
    QTest::newRow("attacker name over its list") << QPoint(50, 48) << "AttShip";
    QTest::newRow("defender name over its list") << QPoint(50, 100) << "DefShip";
    QTest::newRow("count box over the attacker list's top") << QPoint(50, 38) << "AttShips";
    QTest::newRow("results over the attacker list's foot") << QPoint(50, 58) << "CombatText";
    QTest::newRow("killed count over the defender list's top") << QPoint(50, 89) << "DefShips";
    QTest::newRow("attacker name over its arrow's edge") << QPoint(109, 45) << "AttShip";
    QTest::newRow("down over up spin button") << QPoint(116, 30) << "SpinDownBtn";
    QTest::newRow("efficiency over the open list's edge") << QPoint(120, 58) << "Efficiency";
}

void MainWindowStartupTest::names_cover_their_lists() {
    QFETCH(QPoint, point);
    QFETCH(QString, topControl);
    StartedProgram program;
    QVERIFY(program.Started());

    const QWidget* top = program.MainWindow().childAt(point);
    QVERIFY(top != nullptr);
    QCOMPARE(top->objectName(), topControl);
}

void MainWindowStartupTest::tab_moves_through_count_defender_list_attacker_list() {
    StartedProgram program;
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();

    QTRY_VERIFY(controls.AttShips()->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(controls.List("DefShipList")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(controls.List("AttShipList")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(controls.AttShips()->hasFocus());
}

void MainWindowStartupTest::colours_of_the_settings_line_are_applied_to_every_control() {
    StartedProgram program("1,0,0,0,0,clNavy,clRed,clYellow,clLime,clSilver,clGreen,clFuchsia,");
    QVERIFY(program.Started());
    for (const ColourUse& use : kColourUses) {
        const QWidget* control = program.Find(QLatin1String(use.control));
        QVERIFY2(control != nullptr, use.control);
        const QColor shown = control->palette().color(use.role);
        const QColor expected = kLineColours[static_cast<std::size_t>(use.setting)];
        QVERIFY2(shown == expected, qPrintable(QStringLiteral("%1, palette role %2: %3, not %4")
                                                   .arg(QLatin1String(use.control))
                                                   .arg(use.role)
                                                   .arg(shown.name(), expected.name())));
    }

    // The background and the frame lines are painted, not taken from a palette.
    const QImage look = program.MainWindow().grab().toImage();
    QCOMPARE(look.pixelColor(1, 100), QColor(0, 0, 128));
    QCOMPARE(look.pixelColor(0, 60), QColor(255, 0, 0));
    QCOMPARE(look.pixelColor(60, 21), QColor(255, 0, 0));
    QCOMPARE(look.pixelColor(131, 10), QColor(255, 0, 0));

    program.Core().SetColor(ColorRole::MainText, 0x000000FF);
    QVERIFY(ReturnFromDetailsWindow(program.Get()));
    QCOMPARE(program.Controls().TextColor("DetailsBtn"), QColor(255, 0, 0));
    QCOMPARE(program.Controls().AttShips()->palette().color(QPalette::Text), QColor(255, 0, 0));
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
}

void MainWindowStartupTest::returning_to_the_window_takes_in_edited_stats() {
    StartedProgram program(
        "1,0,100,0,1,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,");
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();
    const QString before = controls.Text("DefShips");

    // Edited and saved as the Setup grid does it.
    program.Core().BeginStatsEdit();
    program.Core().EditStatsCell(0, static_cast<std::size_t>(Col::Guns), "300");
    program.Core().EndStatsEdit();
    program.Core().SaveModifiedStatsFile(
        program.Dir().File(QStringLiteral("Edited.txt")).toStdString(), "now");
    QVERIFY(ReturnFromDetailsWindow(program.Get()));

    QVERIFY(controls.Text("DefShips") != before);
    ShipTable edited = DefaultShipTable();
    edited[0][Col::Guns] = "300";
    ProgramState expected;
    expected.StoredStats = edited;
    expected.Combat.BaseHitChance = 25;
    expected.Inputs = {0, 1, "100"};
    RecalculateAll(expected);
    QVERIFY(ShowsResult(controls, expected.Results));
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
}

void MainWindowStartupTest::letters_in_the_count_box_stay_and_count_as_no_ships() {
    StartedProgram program(
        "1,0,100,0,1,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,");
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();

    controls.AttShips()->selectAll();
    QTest::keyClicks(controls.AttShips(), "abc");

    QCOMPARE(controls.AttShips()->text(), QStringLiteral("abc"));
    QVERIFY(ShowsResult(controls, ExpectedFor(0, 1, "0").texts));
    QCOMPARE(controls.Text("DefShips"), QStringLiteral("0"));
    QCOMPARE(controls.Text("Efficiency"), QStringLiteral("0%"));
}

void MainWindowStartupTest::list_without_selection_returns_to_the_last_picked_row_data() {
    QTest::addColumn<int>("downKeys");
    QTest::addColumn<int>("expectedRow");
    QTest::newRow("nothing picked yet: row 1, not the default") << 0 << 1;
    QTest::newRow("after picking row 3") << 3 << 3;
}

void MainWindowStartupTest::list_without_selection_returns_to_the_last_picked_row() {
    QFETCH(int, downKeys);
    QFETCH(int, expectedRow);
    StartedProgram program;
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();
    QComboBox* list = controls.List("AttShipList");

    QTest::mouseClick(controls.Label("AttShip"), Qt::LeftButton);
    QTRY_VERIFY(list->hasFocus());
    for (int i = 0; i < downKeys; ++i) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    QTest::keyClicks(list, "@#");

    QCOMPARE(list->currentIndex(), expectedRow);
    const std::string name = " " + BuiltInName(expectedRow);
    QCOMPARE(controls.Text("AttShip"), QString::fromStdString(name.substr(0, 16)));
    QVERIFY(ShowsResult(controls, ExpectedFor(expectedRow, 0, "0").texts));
}

void MainWindowStartupTest::typing_a_name_start_picks_that_ship() {
    StartedProgram program;
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();
    QComboBox* list = controls.List("DefShipList");
    const int row = 11;
    const QString name = QString::fromStdString(BuiltInName(row));

    QTest::mouseClick(controls.Label("DefShip"), Qt::LeftButton);
    QTRY_VERIFY(list->hasFocus());
    QTest::keyClicks(list, name.left(5).toLower());

    QCOMPARE(list->currentIndex(), row);
    QCOMPARE(controls.Text("DefShip"), " " + name);
    QVERIFY(ShowsResult(controls, ExpectedFor(0, row, "0").texts));
}

void MainWindowStartupTest::long_name_shows_whole_at_start_up_and_cut_after_a_pick() {
    const std::string longName = "TwentyCharactersLong";
    StartedProgram program("1,0,0,2,0,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,",
                           [&](ShipTable& table) { table[2][Col::ShipName] = longName; });
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();
    QComboBox* list = controls.List("AttShipList");

    QCOMPARE(controls.Text("AttShip"), QString::fromStdString(" " + longName));
    QTest::mouseClick(controls.Label("AttShip"), Qt::LeftButton);
    QTRY_VERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);

    QCOMPARE(list->currentIndex(), 2);
    QCOMPARE(controls.Text("AttShip"), QString::fromStdString(" " + longName.substr(0, 15)));
}

void MainWindowStartupTest::clicking_a_name_focuses_its_list_and_highlights_the_name() {
    StartedProgram program;
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();

    QCOMPARE(controls.Label("AttShip")->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(controls.Label("DefShip")->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(controls.Label("DefShip"), Qt::LeftButton);
    QTRY_VERIFY(controls.List("DefShipList")->hasFocus());
    QCOMPARE(controls.TextColor("DefShip"), kAqua);
    QCOMPARE(controls.TextColor("AttShip"), kSkyBlue);

    QTest::mouseClick(controls.Label("AttShip"), Qt::LeftButton);
    QTRY_VERIFY(controls.List("AttShipList")->hasFocus());
    QCOMPARE(controls.TextColor("AttShip"), kAqua);
    QCOMPARE(controls.TextColor("DefShip"), kSkyBlue);

    QVERIFY(ReturnFromDetailsWindow(program.Get()));
    QCOMPARE(controls.TextColor("AttShip"), kAqua);
}

void MainWindowStartupTest::list_arrow_opens_the_list_across_the_window() {
    StartedProgram program;
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();
    QComboBox* list = controls.List("AttShipList");
    const QLabel* overlay = controls.Label("ListBtnOverlay");

    QTest::mouseClick(controls.Label("AttListBtn"), Qt::LeftButton);

    QTRY_VERIFY(list->view()->isVisible());
    QCOMPARE(program.MainWindow().focusWidget(), list);
    QCOMPARE(controls.TextColor("AttShip"), kAqua);
    QCOMPARE(list->geometry(), QRect(1, 38, 130, 22));
    QVERIFY(overlay->isVisible());
    QCOMPARE(overlay->geometry(), QRect(108, 37, 23, 23));
    QCOMPARE(overlay->palette().color(QPalette::WindowText), kAqua);
    QCOMPARE(list->view()->window()->width(), 130);

    QTest::keyClick(list->view(), Qt::Key_Escape);
    QTRY_VERIFY(!list->view()->isVisible());
    QCOMPARE(list->geometry(), QRect(10, 38, 90, 22));
    QVERIFY(!overlay->isVisible());
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
}

QTEST_MAIN(MainWindowStartupTest)
#include "main_window_startup_test.moc"
