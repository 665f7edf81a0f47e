#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "main_window_fixture.h"

// The spin buttons, the drag, minimise and close labels, hover colours, the right-click
// menu and its commands, and the settings panel's live preview.
class MainWindowControlsTest : public QObject {
    Q_OBJECT

  private slots:
    void spin_click_changes_the_count_by_exactly_one_data();
    void spin_click_changes_the_count_by_exactly_one();
    void holding_a_spin_button_steps_ever_faster_data();
    void holding_a_spin_button_steps_ever_faster();
    void a_new_press_starts_a_new_run();
    void right_press_on_a_spin_button_opens_the_menu_and_stops_spinning();

    void switch_exchanges_the_ships_with_one_calculation();
    void copy_result_puts_the_result_line_on_the_clipboard_data();
    void copy_result_puts_the_result_line_on_the_clipboard();
    void hint_switch_turns_the_window_hints_on_and_off();
    void tips_setting_turns_hints_on_without_touching_the_switch();
    void menu_items_are_drawn_in_the_window_colours();

    void hover_highlights_labels_used_as_buttons_data();
    void hover_highlights_labels_used_as_buttons();
    void hover_on_a_list_arrow_highlights_its_ship_data();
    void hover_on_a_list_arrow_highlights_its_ship();
    void colour_preview_follows_the_highlight_rules();

    void move_label_drags_the_window();
    void minimise_label_takes_the_details_window_along_data();
    void minimise_label_takes_the_details_window_along();
    void close_label_ends_the_program();
    void details_label_shows_and_activates_the_details_window();
    void show_and_activate_brings_the_window_back();
};

namespace {

const QColor kSkyBlue(166, 202, 240);
const QColor kAqua(0, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kLime(0, 255, 0);

int PixelsOfColor(const QImage& image, const QRect& area, const QColor& color) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixelColor(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

bool ToolTipShownFor(QWidget* control) {
    QToolTip::hideText();
    const QPoint pos(2, 2);
    QHelpEvent help(QEvent::ToolTip, pos, control->mapToGlobal(pos));
    QCoreApplication::sendEvent(control, &help);
    return QToolTip::isVisible();
}

}  // namespace

void MainWindowControlsTest::spin_click_changes_the_count_by_exactly_one_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("up from 5") << "5"
                               << "SpinUpBtn"
                               << "6";
    QTest::newRow("down from 0") << "0"
                                 << "SpinDownBtn"
                                 << "-1";
    QTest::newRow("up from letters") << "abc"
                                     << "SpinUpBtn"
                                     << "1";
    QTest::newRow("down from letters") << "abc"
                                       << "SpinDownBtn"
                                       << "-1";
    QTest::newRow("up from hexadecimal") << "$10"
                                         << "SpinUpBtn"
                                         << "17";
}

void MainWindowControlsTest::spin_click_changes_the_count_by_exactly_one() {
    QFETCH(QString, count);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    StartedProgram program;
    QVERIFY(program.Started());
    program.SetCount(count);

    QTest::mouseClick(program.Controls().Label(qPrintable(button)), Qt::LeftButton);

    QCOMPARE(program.Controls().AttShips()->text(), expected);
    QVERIFY(ShowsResult(program.Controls(), ExpectedFor(0, 0, expected.toStdString()).texts));
    QVERIFY(!program.MainWindow().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

void MainWindowControlsTest::holding_a_spin_button_steps_ever_faster_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pause ticks") << "0"
                                 << "SpinUpBtn" << 3 << "1";
    QTest::newRow("one second") << "0"
                                << "SpinUpBtn" << 20 << "18";
    QTest::newRow("two seconds") << "0"
                                 << "SpinUpBtn" << 40 << "78";
    QTest::newRow("three seconds") << "0"
                                   << "SpinUpBtn" << 60 << "278";
    QTest::newRow("into the last run") << "0"
                                       << "SpinUpBtn" << 142 << "52878";
    QTest::newRow("down from 5 through 0") << "5"
                                           << "SpinDownBtn" << 20 << "-13";
    QTest::newRow("down from letters") << "x"
                                       << "SpinDownBtn" << 40 << "-78";
}

void MainWindowControlsTest::holding_a_spin_button_steps_ever_faster() {
    QFETCH(QString, count);
    QFETCH(QString, button);
    QFETCH(int, ticks);
    QFETCH(QString, expected);
    StartedProgram program;
    QVERIFY(program.Started());
    program.SetCount(count);
    QLabel* spinButton = program.Controls().Label(qPrintable(button));
    const auto* timer1 = program.MainWindow().findChild<QTimer*>(QStringLiteral("Timer1"));

    QTest::mousePress(spinButton, Qt::LeftButton);
    QVERIFY(timer1->isActive());
    QCOMPARE(timer1->interval(), 50);
    for (int tick = 0; tick < ticks; ++tick) {
        program.MainWindow().Timer1Timer();
    }
    QTest::mouseRelease(spinButton, Qt::LeftButton, {}, QPoint(-20, 40));

    QVERIFY(!timer1->isActive());
    QCOMPARE(program.Controls().AttShips()->text(), expected);
    QVERIFY(ShowsResult(program.Controls(), ExpectedFor(0, 0, expected.toStdString()).texts));
}

void MainWindowControlsTest::a_new_press_starts_a_new_run() {
    StartedProgram program;
    QVERIFY(program.Started());
    QLabel* spinUp = program.Controls().Label("SpinUpBtn");
    QLabel* spinDown = program.Controls().Label("SpinDownBtn");

    QTest::mousePress(spinUp, Qt::LeftButton);
    for (int tick = 0; tick < 40; ++tick) {
        program.MainWindow().Timer1Timer();
    }
    QTest::mouseRelease(spinUp, Qt::LeftButton);
    QTest::mousePress(spinDown, Qt::LeftButton);
    for (int tick = 0; tick < 4; ++tick) {
        program.MainWindow().Timer1Timer();
    }
    QTest::mouseRelease(spinDown, Qt::LeftButton);

    QCOMPARE(program.Controls().AttShips()->text(), QStringLiteral("76"));
}

void MainWindowControlsTest::right_press_on_a_spin_button_opens_the_menu_and_stops_spinning() {
    StartedProgram program;
    QVERIFY(program.Started());
    const auto* timer1 = program.MainWindow().findChild<QTimer*>(QStringLiteral("Timer1"));
    const QPoint spinUp = program.Controls().Label("SpinUpBtn")->geometry().center();

    QTest::mousePress(program.MainWindow().windowHandle(), Qt::RightButton, {}, spinUp);

    auto* menu = program.MainWindow().findChild<QMenu*>(QStringLiteral("PopupMain"));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(program.Controls().AttShips()->text(), QStringLiteral("1"));
    QVERIFY(!timer1->isActive());
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu->isVisible());
}

void MainWindowControlsTest::switch_exchanges_the_ships_with_one_calculation() {
    StartedProgram program(
        "1,0,100,3,12,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,");
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();
    QVERIFY(ShowsResult(controls, ExpectedFor(3, 12, "100").texts));
    CountingFrontend counting(program.Core(), program.DetailsWindow());

    program.ChooseFromPopupMain(QStringLiteral("Switch Att/Def"));

    QCOMPARE(counting.Calculations(), 1);
    QCOMPARE(controls.List("AttShipList")->currentIndex(), 12);
    QCOMPARE(controls.List("DefShipList")->currentIndex(), 3);
    QCOMPARE(controls.Text("AttShip"),
             QString::fromStdString((" " + BuiltInName(12)).substr(0, 16)));
    QCOMPARE(controls.Text("DefShip"),
             QString::fromStdString((" " + BuiltInName(3)).substr(0, 16)));
    const ExpectedResult swapped = ExpectedFor(12, 3, "100");
    QVERIFY(ShowsResult(controls, swapped.texts));
    QCOMPARE(program.Get().State().Combat.ResultLine, swapped.resultLine);
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
}

void MainWindowControlsTest::copy_result_puts_the_result_line_on_the_clipboard_data() {
    QTest::addColumn<int>("attacker");
    QTest::addColumn<int>("defender");
    QTest::addColumn<bool>("isTarget");
    QTest::newRow("a target") << 0 << 0 << true;
    QTest::newRow("not a target") << 7 << 0 << false;
}

void MainWindowControlsTest::copy_result_puts_the_result_line_on_the_clipboard() {
    QFETCH(int, attacker);
    QFETCH(int, defender);
    QFETCH(bool, isTarget);
    StartedProgram program("1,0,250," + std::to_string(attacker) + "," + std::to_string(defender) +
                           ",clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,");
    QVERIFY(program.Started());
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));

    program.ChooseFromPopupMain(QStringLiteral("Copy Result"));

    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, QString::fromStdString(ExpectedFor(attacker, defender, "250").resultLine));
    QVERIFY(copied.startsWith(QString::fromStdString("250 " + BuiltInName(attacker) + " ")));
    QCOMPARE(copied.contains(QStringLiteral(", Tar- T")), isTarget);
    QCOMPARE(copied.contains(QStringLiteral(", AttResEff = ")), isTarget);
}

void MainWindowControlsTest::hint_switch_turns_the_window_hints_on_and_off() {
    StartedProgram program;
    QVERIFY(program.Started());
    QWidget* count = program.Controls().AttShips();
    QLabel* helpBtn = program.Controls().Label("HelpBtn");
    QMenu* menu = program.OpenPopupMain();
    QVERIFY(menu != nullptr);
    QVERIFY(StartedProgram::ItemCalled(*menu, QStringLiteral("Turn Hints On")) != nullptr);
    QTest::keyClick(menu, Qt::Key_Escape);
    QVERIFY(!ToolTipShownFor(count));
    QCOMPARE(helpBtn->toolTip(), QStringLiteral("Show Tips"));

    program.ChooseFromPopupMain(QStringLiteral("Turn Hints On"));

    QVERIFY(ToolTipShownFor(count));
    QCOMPARE(QToolTip::text(), QStringLiteral("Ships attacking"));
    QCOMPARE(helpBtn->toolTip(), QStringLiteral("Hide Tips"));
    QCOMPARE(program.Controls().Label("InitText")->toolTip(),
             QStringLiteral("Initiative  Attacker V Defender"));

    program.ChooseFromPopupMain(QStringLiteral("Turn Hints Off"));

    QVERIFY(!ToolTipShownFor(count));
    QCOMPARE(helpBtn->toolTip(), QStringLiteral("Show Tips"));
    QToolTip::hideText();
}

void MainWindowControlsTest::tips_setting_turns_hints_on_without_touching_the_switch() {
    StartedProgram program("1,1,0,0,0,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,");
    QVERIFY(program.Started());

    QVERIFY(ToolTipShownFor(program.Controls().Label("DefShips")));
    QCOMPARE(QToolTip::text(), QStringLiteral("Ships killed/held"));
    QCOMPARE(program.Controls().Label("HelpBtn")->toolTip(), QStringLiteral("Show Tips"));

    program.ChooseFromPopupMain(QStringLiteral("Turn Hints On"));
    QVERIFY(ToolTipShownFor(program.Controls().Label("DefShips")));
    QToolTip::hideText();
}

void MainWindowControlsTest::menu_items_are_drawn_in_the_window_colours() {
    StartedProgram program("1,0,0,0,0,clNavy,clRed,clYellow,clLime,clSkyBlue,clNavy,clBlue,");
    QVERIFY(program.Started());
    QMenu* menu = program.OpenPopupMain();
    QVERIFY(menu != nullptr);
    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->text(), QStringLiteral("Copy Result"));
    QCOMPARE(items[1]->text(), QStringLiteral("Switch Att/Def"));
    QCOMPARE(items[2]->text(), QStringLiteral("Turn Hints On"));

    QTest::mouseMove(menu, menu->actionGeometry(items[1]).center());
    QTRY_COMPARE(menu->activeAction(), items[1]);
    const QImage look = menu->grab().toImage();

    const QColor navy(0, 0, 128);
    const QColor yellow(255, 255, 0);
    for (int i = 0; i < items.size(); ++i) {
        const QRect item = menu->actionGeometry(items[i]);
        QCOMPARE(look.pixelColor(item.left(), item.center().y()), kRed);
        QCOMPARE(look.pixelColor(item.right(), item.center().y()), kRed);
        QCOMPARE(look.pixelColor(item.center().x(), item.top()), kRed);
        QCOMPARE(look.pixelColor(item.right() - 2, item.top() + 2), navy);
        const bool selected = i == 1;
        QCOMPARE(PixelsOfColor(look, item, kLime) > 0, selected);
        QCOMPARE(PixelsOfColor(look, item, yellow) > 0, !selected);
    }
    const QRect last = menu->actionGeometry(items[2]);
    QCOMPARE(look.pixelColor(last.center().x(), last.bottom()), kRed);
    QCOMPARE(look.pixelColor(last.center().x(), last.bottom() - 1), navy);
    QTest::keyClick(menu, Qt::Key_Escape);
}

void MainWindowControlsTest::hover_highlights_labels_used_as_buttons_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"MinBtn", "CloseBtn", "MoveBtn", "SpinUpBtn", "SpinDownBtn",
                             "DetailsBtn", "HelpBtn", "ClipBtn"}) {
        QTest::newRow(name) << name;
    }
}

void MainWindowControlsTest::hover_highlights_labels_used_as_buttons() {
    QFETCH(QString, name);
    StartedProgram program;
    QVERIFY(program.Started());
    QLabel* label = program.Controls().Label(qPrintable(name));
    QCOMPARE(label->palette().color(QPalette::WindowText), kSkyBlue);

    MovePointerOnto(label);
    QCOMPARE(label->palette().color(QPalette::WindowText), kAqua);
    MovePointerOff(label);
    QCOMPARE(label->palette().color(QPalette::WindowText), kSkyBlue);
}

void MainWindowControlsTest::hover_on_a_list_arrow_highlights_its_ship_data() {
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<QString>("ship");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("listFocused");
    QTest::newRow("attacker") << "AttListBtn"
                              << "AttShip"
                              << "AttShipList" << false;
    QTest::newRow("attacker, list focused") << "AttListBtn"
                                            << "AttShip"
                                            << "AttShipList" << true;
    QTest::newRow("defender") << "DefListBtn"
                              << "DefShip"
                              << "DefShipList" << false;
    QTest::newRow("defender, list focused") << "DefListBtn"
                                            << "DefShip"
                                            << "DefShipList" << true;
}

void MainWindowControlsTest::hover_on_a_list_arrow_highlights_its_ship() {
    QFETCH(QString, arrow);
    QFETCH(QString, ship);
    QFETCH(QString, list);
    QFETCH(bool, listFocused);
    StartedProgram program;
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();
    if (listFocused) {
        QTest::mouseClick(controls.Label(qPrintable(ship)), Qt::LeftButton);
        QTRY_VERIFY(controls.List(qPrintable(list))->hasFocus());
    }

    MovePointerOnto(controls.Label(qPrintable(arrow)));
    QCOMPARE(controls.TextColor(qPrintable(arrow)), kAqua);
    QCOMPARE(controls.TextColor(qPrintable(ship)), kAqua);
    MovePointerOff(controls.Label(qPrintable(arrow)));

    QCOMPARE(controls.TextColor(qPrintable(arrow)), kSkyBlue);
    QCOMPARE(controls.TextColor(qPrintable(ship)), listFocused ? kAqua : kSkyBlue);
}

void MainWindowControlsTest::colour_preview_follows_the_highlight_rules() {
    StartedProgram program;
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();
    TForm1& window = program.MainWindow();
    QTest::mouseClick(controls.Label("AttShip"), Qt::LeftButton);
    QTRY_VERIFY(controls.List("AttShipList")->hasFocus());

    program.Core().SetColor(ColorRole::MainText, 0x000000FF);
    window.PreviewColor(ColorRole::MainText);
    QCOMPARE(controls.TextColor("DefShip"), kRed);
    QCOMPARE(controls.TextColor("AttShip"), kAqua);
    for (const char* name : {"DetailsBtn", "MinBtn", "SpinUpBtn", "AttListBtn", "CombatText"}) {
        QCOMPARE(controls.TextColor(name), kRed);
    }
    QCOMPARE(controls.List("AttShipList")->palette().color(QPalette::Text), kRed);

    program.Core().SetColor(ColorRole::MainHighlight, 0x0000FF00);
    window.PreviewColor(ColorRole::MainHighlight);
    QCOMPARE(controls.TextColor("AttShip"), kLime);
    QCOMPARE(controls.TextColor("DefShip"), kRed);

    program.Core().SetColor(ColorRole::MainBackground, 0x00800000);
    program.Core().SetColor(ColorRole::MainBorder, 0x0000FFFF);
    window.PreviewColor(ColorRole::MainBackground);
    window.PreviewColor(ColorRole::MainBorder);
    const QImage look = window.grab().toImage();
    QCOMPARE(look.pixelColor(1, 100), QColor(0, 0, 128));
    QCOMPARE(look.pixelColor(0, 60), QColor(255, 255, 0));
}

void MainWindowControlsTest::move_label_drags_the_window() {
    StartedProgram program;
    QVERIFY(program.Started());
    QLabel* moveBtn = program.Controls().Label("MoveBtn");
    const QPoint start = program.MainWindow().pos();

    QTest::mousePress(moveBtn, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(moveBtn, QPoint(15, 25));
    QTRY_COMPARE(program.MainWindow().pos(), start + QPoint(10, 20));
    QTest::mouseMove(moveBtn, QPoint(2, 8));
    QTRY_COMPARE(program.MainWindow().pos(), start + QPoint(7, 23));
    QTest::mouseRelease(moveBtn, Qt::LeftButton, {}, QPoint(2, 8));

    QTest::mouseMove(moveBtn, QPoint(30, 10));
    QCOMPARE(program.MainWindow().pos(), start + QPoint(7, 23));
}

void MainWindowControlsTest::minimise_label_takes_the_details_window_along_data() {
    QTest::addColumn<bool>("restoreDetails");
    QTest::newRow("restoring the calculator") << false;
    QTest::newRow("restoring the Details window") << true;
}

// Both go to the task bar together and come back together from either entry.
void MainWindowControlsTest::minimise_label_takes_the_details_window_along() {
    QFETCH(bool, restoreDetails);
    StartedProgram program;
    QVERIFY(program.Started());
    QWidget& details = program.Get().DetailsWindow();
    details.show();
    QVERIFY(QTest::qWaitForWindowExposed(&details));

    QTest::mouseClick(program.Controls().Label("MinBtn"), Qt::LeftButton);

    QTRY_VERIFY(program.MainWindow().isMinimized());
    QTRY_VERIFY(details.isMinimized());
    QWidget& restored = restoreDetails ? details : program.MainWindow();
    QWidget& other = restoreDetails ? program.MainWindow() : details;
    restored.showNormal();
    QTRY_VERIFY(!other.isMinimized());
}

void MainWindowControlsTest::close_label_ends_the_program() {
    StartedProgram program;
    QVERIFY(program.Started());
    QLabel* closeBtn = program.Controls().Label("CloseBtn");

    QTimer::singleShot(0, closeBtn, [closeBtn] { QTest::mouseClick(closeBtn, Qt::LeftButton); });

    QCOMPARE(RunEventLoopUntilProgramEnds(), 0);
}

void MainWindowControlsTest::details_label_shows_and_activates_the_details_window() {
    StartedProgram program;
    QVERIFY(program.Started());
    QWidget& details = program.Get().DetailsWindow();
    QVERIFY(!details.isVisible());

    QTest::mouseClick(program.Controls().Label("DetailsBtn"), Qt::LeftButton);

    QVERIFY(details.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&details));
}

void MainWindowControlsTest::show_and_activate_brings_the_window_back() {
    StartedProgram program;
    QVERIFY(program.Started());
    QWidget& details = program.Get().DetailsWindow();
    QTest::mouseClick(program.Controls().Label("DetailsBtn"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(&details));
    program.Core().SetColor(ColorRole::MainText, 0x0000FF00);

    program.MainWindow().ShowAndActivate();

    QVERIFY(QTest::qWaitForWindowActive(&program.MainWindow()));
    QCOMPARE(program.Controls().TextColor("DetailsBtn"), kLime);
}

QTEST_MAIN(MainWindowControlsTest)
#include "main_window_controls_test.moc"
