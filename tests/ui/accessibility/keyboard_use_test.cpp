#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "program_windows.h"
#include "ui/details/setup/color_grid.h"

// The program worked from the keyboard: the focus order of the main window, the arrow keys
// in the ship lists and the colour editor, Enter and Escape in the program's dialogs.
class KeyboardUseTest : public QObject {
    Q_OBJECT

  private slots:
    void tab_and_backtab_go_round_count_defender_list_attacker_list();
    void arrow_keys_in_a_focused_ship_list_change_the_pairing_data();
    void arrow_keys_in_a_focused_ship_list_change_the_pairing();

    void start_up_message_ends_the_program_only_on_abort_data();
    void start_up_message_ends_the_program_only_on_abort();
    void restore_warning_takes_enter_as_ok_and_escape_as_abort_data();
    void restore_warning_takes_enter_as_ok_and_escape_as_abort();

    void tab_reaches_the_colour_editor_after_the_settings_buttons();
    void arrow_keys_move_the_colour_grid_pick_data();
    void arrow_keys_move_the_colour_grid_pick();
    void colour_bars_take_the_page_keys();
    void focused_colour_bar_is_drawn_apart_from_the_others();

    void arrow_keys_on_the_section_tabs_step_the_sections_data();
    void arrow_keys_on_the_section_tabs_step_the_sections();
    void tab_leaves_the_stats_grid_at_its_ends_data();
    void tab_leaves_the_stats_grid_at_its_ends();
    void cell_editor_is_named_by_its_column_and_ship();
    void enter_presses_the_focused_button_data();
    void enter_presses_the_focused_button();
};

namespace {

const char* const kRestoreWarning =
    "Warning... This will cause the ShipStats.txt file to be overwritten with default "
    "values.  OK to proceed ???";

// A key goes to the focused control of the dialog, or to the dialog when none has it.
void PressKeyIn(QWidget* dialog, Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    const bool inDialog = focus != nullptr && dialog->isAncestorOf(focus);
    QTest::keyClick(inDialog ? focus : dialog, key);
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "D", "U", "L" and "R" for the four arrow keys.
QList<Qt::Key> ArrowKeys(const QString& moves) {
    QList<Qt::Key> keys;
    for (const QChar move : moves) {
        switch (move.toLatin1()) {
            case 'D':
                keys << Qt::Key_Down;
                break;
            case 'U':
                keys << Qt::Key_Up;
                break;
            case 'L':
                keys << Qt::Key_Left;
                break;
            default:
                keys << Qt::Key_Right;
                break;
        }
    }
    return keys;
}

// The started program with its Setup section's settings panel open and the main window's
// background chosen for editing.
bool OpenColourEditor(ProgramWindows& windows) {
    if (!windows.OpenDetails()) {
        return false;
    }
    windows.SelectSection("StatsFileBtn");
    windows.ClickButton("SettingsBtn");
    windows.ClickButton("BackgroundRadio");
    return windows.Find("ColorGrid1")->isEnabled();
}

}  // namespace

void KeyboardUseTest::tab_and_backtab_go_round_count_defender_list_attacker_list() {
    StartedProgram program;
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();
    QWidget* const forward[] = {controls.List("DefShipList"), controls.List("AttShipList"),
                                controls.AttShips()};
    QWidget* const backward[] = {controls.List("AttShipList"), controls.List("DefShipList"),
                                 controls.AttShips()};

    QTRY_VERIFY(controls.AttShips()->hasFocus());
    for (QWidget* next : forward) {
        PressKey(Qt::Key_Tab);
        QTRY_VERIFY2(next->hasFocus(), qPrintable(next->objectName()));
    }
    for (QWidget* next : backward) {
        PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_VERIFY2(next->hasFocus(), qPrintable(next->objectName()));
    }
}

void KeyboardUseTest::arrow_keys_in_a_focused_ship_list_change_the_pairing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("attacker");
    QTest::addColumn<int>("defender");

    QTest::newRow("attacker down one") << "AttShip"
                                       << "AttShipList"
                                       << "D" << 1 << 0;
    QTest::newRow("attacker down three, up one") << "AttShip"
                                                 << "AttShipList"
                                                 << "DDDU" << 2 << 0;
    QTest::newRow("attacker up at the first type") << "AttShip"
                                                   << "AttShipList"
                                                   << "U" << 0 << 0;
    QTest::newRow("defender down five") << "DefShip"
                                        << "DefShipList"
                                        << "DDDDD" << 0 << 5;
    QTest::newRow("defender down two, up two") << "DefShip"
                                               << "DefShipList"
                                               << "DDUU" << 0 << 0;
}

void KeyboardUseTest::arrow_keys_in_a_focused_ship_list_change_the_pairing() {
    QFETCH(QString, name);
    QFETCH(QString, list);
    QFETCH(QString, moves);
    QFETCH(int, attacker);
    QFETCH(int, defender);
    StartedProgram program;
    QVERIFY(program.Started());
    const MainWindowControls& controls = program.Controls();
    program.SetCount(QStringLiteral("1000"));

    QTest::mouseClick(controls.Label(qPrintable(name)), Qt::LeftButton);
    QTRY_VERIFY(controls.List(qPrintable(list))->hasFocus());
    for (Qt::Key key : ArrowKeys(moves)) {
        PressKey(key);
    }

    QCOMPARE(controls.List("AttShipList")->currentIndex(), attacker);
    QCOMPARE(controls.List("DefShipList")->currentIndex(), defender);
    const int row = name == QLatin1String("AttShip") ? attacker : defender;
    QCOMPARE(controls.Text(qPrintable(name)),
             QString::fromStdString((" " + BuiltInName(row)).substr(0, 16)));
    QVERIFY(ShowsResult(controls, ExpectedFor(attacker, defender, "1000").texts));
    QCOMPARE(program.Get().State().Combat.ResultLine,
             ExpectedFor(attacker, defender, "1000").resultLine);
}

void KeyboardUseTest::start_up_message_ends_the_program_only_on_abort_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("quits");

    QTest::newRow("Enter proceeds with the defaults") << QStringLiteral("Enter") << false;
    QTest::newRow("Escape proceeds with the defaults") << QStringLiteral("Escape") << false;
    QTest::newRow("closing the box proceeds with the defaults") << QStringLiteral("close") << false;
    QTest::newRow("Abort ends the program") << QStringLiteral("Abort") << true;
}

void KeyboardUseTest::start_up_message_ends_the_program_only_on_abort() {
    QFETCH(QString, answer);
    QFETCH(bool, quits);
    ScratchCurrentDir dir;
    ModalWatchdog watchdog;
    QStringList asked;
    watchdog.Expect([&asked, answer](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        asked << (box != nullptr ? box->text() : dialog->windowTitle());
        if (answer == QLatin1String("close")) {
            dialog->close();
        } else if (answer == QLatin1String("Abort") && box != nullptr) {
            box->button(QMessageBox::Abort)->click();
        } else {
            PressKeyIn(dialog, answer == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
        }
    });

    Program program;

    QCOMPARE(asked, QStringList{"Warning... " + dir.File("ShipStats.txt") +
                                " file not found. Proceed with default values ???"});
    QCOMPARE(program.QuitRequested(), quits);
    QVERIFY(watchdog.AllAnswered());
    QVERIFY(watchdog.Unexpected().isEmpty());
    if (!quits) {
        QVERIFY(StartAndActivate(program));
        QVERIFY(
            ShowsResult(MainWindowControls(program.MainWindow()), ExpectedFor(0, 0, "0").texts));
    }
}

void KeyboardUseTest::restore_warning_takes_enter_as_ok_and_escape_as_abort_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("asksForFile");

    QTest::newRow("Enter goes on to the save dialog") << static_cast<int>(Qt::Key_Return) << true;
    QTest::newRow("Escape aborts") << static_cast<int>(Qt::Key_Escape) << false;
}

// Escape in the save dialog that follows OK cancels it, so the file stays as it was.
void KeyboardUseTest::restore_warning_takes_enter_as_ok_and_escape_as_abort() {
    QFETCH(int, key);
    QFETCH(bool, asksForFile);
    ScratchCurrentDir dir;
    QVERIFY(WriteStatsFileHere(
        "1,0,250,3,7,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,"));
    const QByteArray before = FileBytes(dir.File("ShipStats.txt"));
    ModalWatchdog watchdog;
    Program program;
    QVERIFY(StartAndActivate(program));
    ProgramWindows windows(program);
    QVERIFY(windows.OpenDetails());
    windows.SelectSection("StatsFileBtn");

    watchdog.Expect([key](QWidget* dialog) {
        QVERIFY(qobject_cast<QMessageBox*>(dialog) != nullptr);
        QCOMPARE(qobject_cast<QMessageBox*>(dialog)->text(), QString::fromLatin1(kRestoreWarning));
        PressKeyIn(dialog, static_cast<Qt::Key>(key));
    });
    bool askedForFile = false;
    if (asksForFile) {
        watchdog.Expect([&askedForFile](QWidget* dialog) {
            askedForFile = qobject_cast<QFileDialog*>(dialog) != nullptr;
            PressKeyIn(dialog, Qt::Key_Escape);
        });
    }
    windows.ClickButton("RestoreBtn");

    QTRY_VERIFY(watchdog.AllAnswered());
    QCOMPARE(askedForFile, asksForFile);
    QVERIFY(watchdog.Unexpected().isEmpty());
    QCOMPARE(FileBytes(dir.File("ShipStats.txt")), before);
    QCOMPARE(program.State().Settings.Display.DefaultFleetSize, 250);
    QVERIFY(windows.Details().isVisible());
    QVERIFY(windows.Find("RestoreBtn")->isEnabled());
}

void KeyboardUseTest::tab_reaches_the_colour_editor_after_the_settings_buttons() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(OpenColourEditor(windows));
    windows.Find("DefaultFleetSizeEdit")->setFocus();
    QTRY_VERIFY(windows.Find("DefaultFleetSizeEdit")->hasFocus());

    QStringList reached;
    for (int step = 0; step < 12; ++step) {
        PressKey(Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        reached << (focus->objectName().isEmpty() ? focus->parentWidget()->objectName()
                                                  : focus->objectName());
    }

    const QStringList inOrder = {"DefaultAttackerList", "DefaultDefenderList", "CloseSettingsBtn",
                                 "ClassicSettingsBtn",  "BackgroundRadio",     "ColorGrid1",
                                 "RedScroll",           "GreenScroll",         "BlueScroll"};
    qsizetype last = -1;
    for (const QString& name : inOrder) {
        const qsizetype at = reached.indexOf(name);
        QVERIFY2(at > last, qPrintable(name + " in " + reached.join(QLatin1Char(' '))));
        last = at;
    }
}

void KeyboardUseTest::arrow_keys_move_the_colour_grid_pick_data() {
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("cell");

    QTest::newRow("right to maroon") << "R" << 1;
    QTest::newRow("down twice to navy") << "DD" << 4;
    QTest::newRow("down and right to olive") << "DR" << 3;
    QTest::newRow("left at the left edge stays on black") << "L" << 0;
    QTest::newRow("up at the top stays on black") << "U" << 0;
    QTest::newRow("right twice stays on maroon") << "RR" << 1;
    QTest::newRow("to the bottom right, white") << "DDDDDDDDR" << 15;
}

void KeyboardUseTest::arrow_keys_move_the_colour_grid_pick() {
    QFETCH(QString, moves);
    QFETCH(int, cell);
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(OpenColourEditor(windows));
    auto* grid = windows.Find<ColorGrid>("ColorGrid1");
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(0).center());
    QTRY_VERIFY(grid->hasFocus());

    for (Qt::Key key : ArrowKeys(moves)) {
        PressKey(key);
    }

    QCOMPARE(grid->PickedCell(), cell);
    const ColorValue picked = ColorGrid::CellColor(cell);
    QCOMPARE(program.Get().State().Settings.Display.MainBackground, picked);
    QCOMPARE(windows.Find<QLabel>("RedBox")->text(), QString::number(picked & 0xFF));
    QCOMPARE(windows.Find<QLabel>("BlueBox")->text(), QString::number((picked >> 16) & 0xFF));
}

void KeyboardUseTest::colour_bars_take_the_page_keys() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(OpenColourEditor(windows));
    auto* red = windows.Find<QScrollBar>("RedScroll");
    const int start = red->value();
    red->setFocus();
    QTRY_VERIFY(red->hasFocus());

    PressKey(Qt::Key_PageUp);

    QCOMPARE(red->value(), start - 10);
    const ColorValue background = program.Get().State().Settings.Display.MainBackground;
    QCOMPARE(static_cast<int>(background & 0xFF), 255 - red->value());
    QCOMPARE(windows.Find<QLabel>("RedBox")->text(), QString::number(255 - red->value()));
}

// The style draws no focus on a scroll bar; screenshots with Red and with Green focused must
// differ where the bars are.
void KeyboardUseTest::focused_colour_bar_is_drawn_apart_from_the_others() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(OpenColourEditor(windows));
    auto* red = windows.Find<QScrollBar>("RedScroll");
    auto* green = windows.Find<QScrollBar>("GreenScroll");
    green->setValue(red->value());

    red->setFocus();
    QTRY_VERIFY(red->hasFocus());
    const QImage redFocused = red->grab().toImage();
    const QImage greenUnfocused = green->grab().toImage();
    green->setFocus();
    QTRY_VERIFY(green->hasFocus());

    QCOMPARE(red->grab().toImage(), greenUnfocused);
    QCOMPARE(green->grab().toImage(), redFocused);
    QVERIFY(redFocused != greenUnfocused);
}

void KeyboardUseTest::arrow_keys_on_the_section_tabs_step_the_sections_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("section");

    QTest::newRow("Left") << int{Qt::Key_Left} << "BasicStats";
    QTest::newRow("Up") << int{Qt::Key_Up} << "BasicStats";
    QTest::newRow("Right") << int{Qt::Key_Right} << "StatsFile";
    QTest::newRow("Down") << int{Qt::Key_Down} << "StatsFile";
    QTest::newRow("PgUp is no arrow") << int{Qt::Key_PageUp} << "Results";
}

// From the Results tab.
void KeyboardUseTest::arrow_keys_on_the_section_tabs_step_the_sections() {
    QFETCH(int, key);
    QFETCH(QString, section);
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    windows.SelectSection("ResultsBtn");
    QWidget* tabs = windows.Find("ToolBar1");
    tabs->setFocus();
    QTRY_VERIFY(tabs->hasFocus());

    PressKey(static_cast<Qt::Key>(key));

    QCOMPARE(program.DetailsWindow().SelectedSection(), section);
}

void KeyboardUseTest::tab_leaves_the_stats_grid_at_its_ends_data() {
    QTest::addColumn<bool>("inEditor");
    QTest::addColumn<bool>("forward");

    QTest::newRow("Tab from the last cell") << false << true;
    QTest::newRow("Shift+Tab from the first cell") << false << false;
    QTest::newRow("Tab from the last cell's editor") << true << true;
    QTest::newRow("Shift+Tab from the first cell's editor") << true << false;
}

// One step inside goes to the neighbouring cell; the step over the end leaves the grid
// for another control of the Details window instead of going round its 972 cells.
void KeyboardUseTest::tab_leaves_the_stats_grid_at_its_ends() {
    QFETCH(bool, inEditor);
    QFETCH(bool, forward);
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenSetup("EditerBtn"));
    auto* grid = windows.Find<QTableWidget>("StatsGrid");
    const int lastRow = grid->rowCount() - 1;
    const int lastColumn = grid->columnCount() - 1;
    const QPoint inner = forward ? QPoint(lastRow, lastColumn - 1) : QPoint(0, 1);
    const QPoint edge = forward ? QPoint(lastRow, lastColumn) : QPoint(0, 0);
    const Qt::Key key = forward ? Qt::Key_Tab : Qt::Key_Backtab;
    const Qt::KeyboardModifiers shift = forward ? Qt::NoModifier : Qt::ShiftModifier;
    grid->setFocus();
    grid->setCurrentCell(inner.x(), inner.y());
    QTRY_VERIFY(grid->hasFocus());

    for (int step = 0; step < 2; ++step) {
        if (inEditor) {
            grid->editItem(grid->currentItem());
            QTRY_VERIFY(grid->isAncestorOf(QApplication::focusWidget()));
        }
        QTest::keyClick(QApplication::focusWidget(), key, shift);
        if (step == 0) {
            QCOMPARE(QPoint(grid->currentRow(), grid->currentColumn()), edge);
        }
    }

    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    QVERIFY2(focus != grid && !grid->isAncestorOf(focus), qPrintable(focus->objectName()));
    QVERIFY(windows.Details().isAncestorOf(focus));
    QCOMPARE(QPoint(grid->currentRow(), grid->currentColumn()), edge);
}

void KeyboardUseTest::cell_editor_is_named_by_its_column_and_ship() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenSetup("EditerBtn"));
    auto* grid = windows.Find<QTableWidget>("StatsGrid");
    grid->setCurrentCell(2, 8);
    grid->editItem(grid->currentItem());

    QWidget* editor = QApplication::focusWidget();
    QTRY_VERIFY(editor != nullptr && grid->isAncestorOf(editor));
    QCOMPARE(AccessibleTextOf(editor, QAccessible::Name),
             QStringLiteral("Guns of ") + grid->verticalHeaderItem(2)->text());
}

void KeyboardUseTest::enter_presses_the_focused_button_data() {
    QTest::addColumn<QString>("panelButton");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("closedPanel");

    QTest::newRow("OK in About") << "AboutBtn"
                                 << "CloseAboutBtn"
                                 << "AboutPanel";
    QTest::newRow("Close Settings") << "SettingsBtn"
                                    << "CloseSettingsBtn"
                                    << "SettingsPanel";
}

void KeyboardUseTest::enter_presses_the_focused_button() {
    QFETCH(QString, panelButton);
    QFETCH(QString, button);
    QFETCH(QString, closedPanel);
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenSetup(qPrintable(panelButton)));
    QWidget* panel = windows.Find(qPrintable(closedPanel));
    QVERIFY(panel->isVisible());
    QWidget* pressed = windows.Find(qPrintable(button));
    pressed->setFocus();
    QTRY_VERIFY(pressed->hasFocus());

    PressKey(Qt::Key_Return);

    QTRY_VERIFY(!panel->isVisible());
}

QTEST_MAIN(KeyboardUseTest)
#include "keyboard_use_test.moc"
