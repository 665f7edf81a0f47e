#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>

#include "program_windows.h"

// Everything the mouse does, reached from the keyboard: out of the report boxes, between the
// Details window's sections, its buttons, the calculator's menu, the Details window and the
// move of the calculator; and what the count box tells a screen reader of each new result.
class KeyboardPathsTest : public QObject {
    Q_OBJECT

  private slots:
    void tab_moves_out_of_a_report_box_which_typing_leaves_alone_data();
    void tab_moves_out_of_a_report_box_which_typing_leaves_alone();
    void section_keys_step_round_the_sections_data();
    void section_keys_step_round_the_sections();
    void results_log_keys_work_it_as_its_buttons_do();
    void setup_column_keys_work_its_buttons();

    void alt_d_opens_the_details_window_and_activates_it();
    void menu_keys_open_the_calculator_menu_from_every_control_data();
    void menu_keys_open_the_calculator_menu_from_every_control();
    void move_window_key_moves_the_calculator_with_the_arrows_data();
    void move_window_key_moves_the_calculator_with_the_arrows();
    void count_box_description_tells_each_new_result_data();
    void count_box_description_tells_each_new_result();
    void count_box_steps_by_arrow_and_page_keys_and_types_no_command_letter();
    void minimise_key_takes_the_details_window_along();
};

namespace {

using Keys = QList<QKeyCombination>;

void Press(QKeyCombination key) {
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

bool FocusOn(QWidget* control) {
    control->activateWindow();
    control->setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([control] { return control->hasFocus(); });
}

QStringList LogEntries(QListWidget* log) {
    QStringList entries;
    for (int row = 0; row < log->count(); ++row) {
        entries << log->item(row)->text();
    }
    return entries;
}

int LogSelection(QListWidget* log) {
    const QList<QListWidgetItem*> selected = log->selectedItems();
    return selected.isEmpty() ? -1 : log->row(selected.first());
}

}  // namespace

void KeyboardPathsTest::tab_moves_out_of_a_report_box_which_typing_leaves_alone_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("box");

    QTest::newRow("Calculation") << "CalculationBtn"
                                 << "CalculationMemo";
    QTest::newRow("Targeting, attacker") << "TargetBtn"
                                         << "TargetAttMemo";
    QTest::newRow("Resources, defender") << "ResourcesBtn"
                                         << "ResourcesDefMemo";
    QTest::newRow("Basic Stats, attacker") << "BasicStatsBtn"
                                           << "BasicStatsAttMemo";
    QTest::newRow("current result") << "ResultsBtn"
                                    << "CurrentResultMemo";
    QTest::newRow("stats file header") << "StatsFileBtn"
                                       << "FileHeaderText";
}

void KeyboardPathsTest::tab_moves_out_of_a_report_box_which_typing_leaves_alone() {
    QFETCH(QString, tab);
    QFETCH(QString, box);
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    windows.SelectSection(qPrintable(tab));
    auto* memo = windows.Find<QPlainTextEdit>(qPrintable(box));
    const QString text = memo->toPlainText();
    QVERIFY(!text.isEmpty());
    QVERIFY(FocusOn(memo));

    QTest::keyClicks(memo, QStringLiteral("typed"));
    QTest::keyClick(memo, Qt::Key_Delete);
    Press(Qt::CTRL | Qt::Key_A);
    Press(Qt::CTRL | Qt::Key_C);
    QCOMPARE(memo->toPlainText(), text);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);

    for (int step = 0; step < 3; ++step) {
        Press(QKeyCombination(Qt::Key_Tab));
        QVERIFY2(!memo->hasFocus(), "Tab stays in the box");
        QVERIFY(FocusOn(memo));
        Press(Qt::SHIFT | Qt::Key_Backtab);
        QVERIFY2(!memo->hasFocus(), "Shift+Tab stays in the box");
        QVERIFY(FocusOn(memo));
    }
    QCOMPARE(memo->toPlainText(), text);
}

void KeyboardPathsTest::section_keys_step_round_the_sections_data() {
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("section");

    QTest::newRow("Ctrl+Tab") << Keys{Qt::CTRL | Qt::Key_Tab} << "Target";
    QTest::newRow("Ctrl+PgDn twice")
        << Keys{Qt::CTRL | Qt::Key_PageDown, Qt::CTRL | Qt::Key_PageDown} << "Resources";
    QTest::newRow("Ctrl+Shift+Tab from the first")
        << Keys{Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab} << "StatsFile";
    QTest::newRow("Ctrl+PgUp twice")
        << Keys{Qt::CTRL | Qt::Key_PageUp, Qt::CTRL | Qt::Key_PageUp} << "Results";
    QTest::newRow("six Ctrl+Tab go round") << Keys(6, Qt::CTRL | Qt::Key_Tab) << "Calculation";
    QTest::newRow("forth and back")
        << Keys{Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageUp}
        << "Target";
}

// From the Calculation section; each key is pressed where the focus is after the last one.
void KeyboardPathsTest::section_keys_step_round_the_sections() {
    QFETCH(Keys, keys);
    QFETCH(QString, section);
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    QVERIFY(FocusOn(windows.Find("CalculationMemo")));

    for (const QKeyCombination key : keys) {
        Press(key);
    }

    QCOMPARE(program.DetailsWindow().SelectedSection(), section);
    QVERIFY(windows.Details().isAncestorOf(QApplication::focusWidget()));
}

// Each step: the count the line is taken at (empty: unchanged), the key on the focused log,
// the entries by their count ("" an empty line) and the selected row afterwards.
void KeyboardPathsTest::results_log_keys_work_it_as_its_buttons_do() {
    struct Step {
        const char* count;
        QKeyCombination key;
        QStringList entries;
        int selected;
    };
    const Step steps[] = {
        {"1", Qt::ALT | Qt::Key_A, {"1"}, 0},
        {"2", Qt::ALT | Qt::Key_A, {"1", "2"}, 1},
        {"", Qt::CTRL | Qt::Key_Up, {"2", "1"}, 0},
        {"", Qt::ALT | Qt::Key_W, {"1", "2"}, 1},
        {"", Qt::ALT | Qt::Key_U, {"2", "1"}, 0},
        {"", Qt::CTRL | Qt::Key_Down, {"1", "2"}, 1},
        {"3", QKeyCombination(Qt::Key_Insert), {"1", "3", "2"}, 1},
        {"4", Qt::ALT | Qt::Key_I, {"1", "4", "3", "2"}, 1},
        {"", Qt::SHIFT | Qt::Key_Insert, {"1", "", "4", "3", "2"}, 1},
        {"", Qt::ALT | Qt::Key_S, {"1", "", "", "4", "3", "2"}, 1},
        // The entry that takes the deleted one's place is selected, so the keys go on.
        {"", QKeyCombination(Qt::Key_Delete), {"1", "", "4", "3", "2"}, 1},
        {"", Qt::ALT | Qt::Key_D, {"1", "4", "3", "2"}, 1},
        {"", Qt::CTRL | Qt::Key_Down, {"1", "3", "4", "2"}, 2},
    };
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    windows.SelectSection("ResultsBtn");
    auto* log = windows.Find<QListWidget>("ResultsMemo");
    std::map<QString, QString> lines{{QString(), QString()}};

    for (const Step& step : steps) {
        if (*step.count != '\0') {
            program.SetCount(QLatin1String(step.count));
            lines[QLatin1String(step.count)] = ToQString(program.State().Combat.ResultLine);
        }
        QVERIFY(FocusOn(log));
        Press(step.key);
        QStringList expected;
        for (const QString& count : step.entries) {
            expected << lines.at(count);
        }
        const QByteArray where = QKeySequence(step.key).toString().toLatin1();
        QTRY_VERIFY2(LogEntries(log) == expected, where.constData());
        QVERIFY2(LogSelection(log) == step.selected, where.constData());
    }

    for (const QKeyCombination copy : {Qt::CTRL | Qt::Key_C, Qt::ALT | Qt::Key_C}) {
        QGuiApplication::clipboard()->clear();
        Press(copy);
        QTRY_COMPARE(
            QGuiApplication::clipboard()->text(),
            lines["1"] + "\r\n" + lines["3"] + "\r\n" + lines["4"] + "\r\n" + lines["2"] + "\r\n");
    }
    Press(Qt::ALT | Qt::Key_L);
    QTRY_COMPARE(log->count(), 0);
}

// The Save key brings the save dialog (cancelled here) and Restore its warning (aborted).
void KeyboardPathsTest::setup_column_keys_work_its_buttons() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    windows.SelectSection("StatsFileBtn");
    QVERIFY(FocusOn(windows.Find("FileHeaderText")));
    QWidget* grid = windows.Find("StatsGrid");

    Press(Qt::ALT | Qt::Key_E);
    QTRY_VERIFY(grid->isEnabled());
    Press(Qt::ALT | Qt::Key_C);
    QTRY_VERIFY(!grid->isEnabled());
    Press(Qt::ALT | Qt::Key_E);
    QTRY_VERIFY(grid->isEnabled());
    bool askedForFile = false;
    program.Watchdog().Expect([&askedForFile](QWidget* dialog) {
        askedForFile = qobject_cast<QFileDialog*>(dialog) != nullptr;
        dialog->close();
    });
    Press(Qt::ALT | Qt::Key_S);
    QTRY_VERIFY(program.Watchdog().AllAnswered());
    QVERIFY(askedForFile);
    QVERIFY(!grid->isEnabled());

    program.Watchdog().ExpectMessage(QMessageBox::Abort);
    QVERIFY(FocusOn(windows.Find("FileHeaderText")));
    Press(Qt::ALT | Qt::Key_R);
    QTRY_VERIFY(program.Watchdog().AllAnswered());
    QCOMPARE(program.Watchdog().Messages().size(), 1);

    QVERIFY(FocusOn(windows.Find("FileHeaderText")));
    Press(Qt::ALT | Qt::Key_T);
    QTRY_VERIFY(windows.Find("CloseSettingsBtn")->isVisible());
    windows.ClickButton("CloseSettingsBtn");
    QTRY_VERIFY(windows.Find("EditerBtn")->isVisible());
    QVERIFY(FocusOn(windows.Find("FileHeaderText")));
    Press(Qt::ALT | Qt::Key_B);
    QTRY_VERIFY(windows.Find("CloseAboutBtn")->isVisible());
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
}

void KeyboardPathsTest::alt_d_opens_the_details_window_and_activates_it() {
    StartedProgram program;
    QVERIFY(program.Started());
    QLineEdit* count = program.Controls().AttShips();
    const QString before = count->text();
    QVERIFY(FocusOn(count));

    Press(Qt::ALT | Qt::Key_D);

    QVERIFY(QTest::qWaitForWindowActive(&program.DetailsWindow()));
    QCOMPARE(count->text(), before);
}

void KeyboardPathsTest::menu_keys_open_the_calculator_menu_from_every_control_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QKeyCombination>("key");

    for (const char* control : {"AttShips", "DefShipList", "AttShipList"}) {
        QTest::addRow("%s, Shift+F10", control) << control << (Qt::SHIFT | Qt::Key_F10);
        QTest::addRow("%s, Menu", control) << control << QKeyCombination(Qt::Key_Menu);
    }
}

// The first item is current, so Enter chooses "Copy Result".
void KeyboardPathsTest::menu_keys_open_the_calculator_menu_from_every_control() {
    QFETCH(QString, control);
    QFETCH(QKeyCombination, key);
    StartedProgram program;
    QVERIFY(program.Started());
    QVERIFY(FocusOn(program.Controls().Find<QWidget>(qPrintable(control))));
    auto* menu = program.MainWindow().findChild<QMenu*>(QStringLiteral("PopupMain"));
    QGuiApplication::clipboard()->clear();

    Press(key);

    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->activeAction(), menu->actions().constFirst());
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(QGuiApplication::clipboard()->text(), ToQString(program.State().Combat.ResultLine));
}

void KeyboardPathsTest::move_window_key_moves_the_calculator_with_the_arrows_data() {
    QTest::addColumn<bool>("byAssistiveTool");
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QPoint>("moved");

    const Keys arrows{QKeyCombination(Qt::Key_Right), QKeyCombination(Qt::Key_Right),
                      QKeyCombination(Qt::Key_Down), Qt::CTRL | Qt::Key_Left,
                      QKeyCombination(Qt::Key_Up)};
    QTest::newRow("Enter keeps the place")
        << false << arrows + Keys{Qt::Key_Return} << QPoint(19, 0);
    QTest::newRow("Escape puts it back") << false << arrows + Keys{Qt::Key_Escape} << QPoint();
    QTest::newRow("pressed by an assistive tool")
        << true << Keys{Qt::CTRL | Qt::Key_Down, QKeyCombination(Qt::Key_Enter)} << QPoint(0, 1);
    QTest::newRow("the window's keys wait till the move ends")
        << false
        << Keys{Qt::ALT | Qt::Key_D, Qt::SHIFT | Qt::Key_F10,       QKeyCombination(Qt::Key_Menu),
                Qt::ALT | Qt::Key_N, QKeyCombination(Qt::Key_Left), QKeyCombination(Qt::Key_Return)}
        << QPoint(-10, 0);
}

// Once the move ends, keys reach the count box again.
void KeyboardPathsTest::move_window_key_moves_the_calculator_with_the_arrows() {
    QFETCH(bool, byAssistiveTool);
    QFETCH(Keys, keys);
    QFETCH(QPoint, moved);
    StartedProgram program;
    QVERIFY(program.Started());
    QLineEdit* count = program.Controls().AttShips();
    QVERIFY(FocusOn(count));
    const QPoint start = program.MainWindow().pos();

    if (byAssistiveTool) {
        AccessibleOf(program.Controls().Label("MoveBtn"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    } else {
        Press(Qt::ALT | Qt::Key_M);
    }
    for (const QKeyCombination key : keys) {
        Press(key);
    }

    QCOMPARE(program.MainWindow().pos() - start, moved);
    QVERIFY(!program.DetailsWindow().isVisible());
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    QVERIFY(!program.MainWindow().isMinimized());
    count->selectAll();
    Press(QKeyCombination(Qt::Key_7));
    QCOMPARE(count->text(), QStringLiteral("7"));
}

void KeyboardPathsTest::count_box_description_tells_each_new_result_data() {
    QTest::addColumn<int>("attacker");
    QTest::addColumn<int>("defender");

    QTest::newRow("a target") << 0 << 0;
    QTest::newRow("not a target, no efficiency") << 3 << 7;
}

// Qt passes the change event on only while a screen reader listens (over the AT-SPI bus,
// which the test machine lacks); what the reader then reads is the description.
void KeyboardPathsTest::count_box_description_tells_each_new_result() {
    QFETCH(int, attacker);
    QFETCH(int, defender);
    StartedProgram program(QStringLiteral("1,0,250,%1,%2,clBlack,clSkyBlue,clSkyBlue,clAqua,"
                                          "clSkyBlue,clNavy,clBlue,")
                               .arg(attacker)
                               .arg(defender)
                               .toStdString());
    QVERIFY(program.Started());

    for (const char* count : {"6", "64"}) {
        program.SetCount(QLatin1String(count));
        const ResultTexts texts = ExpectedFor(attacker, defender, count).texts;
        const QString efficiency = QString::fromStdString(texts.Efficiency);
        QCOMPARE(AccessibleTextOf(program.Controls().AttShips(), QAccessible::Description),
                 QString::fromStdString(texts.CombatText).trimmed() + " " +
                     QString::fromStdString(texts.DefShips) +
                     (efficiency.isEmpty() ? "" : ", resource efficiency " + efficiency));
    }
}

// Each key in turn, from a count of 5, with the count and its calculation after it. A key
// with Alt or Ctrl meant for the Details window (Alt+B, About) types nothing.
void KeyboardPathsTest::count_box_steps_by_arrow_and_page_keys_and_types_no_command_letter() {
    struct Step {
        QKeyCombination key;
        const char* count;
    };
    const Step steps[] = {
        {QKeyCombination(Qt::Key_Up), "6"},
        {QKeyCombination(Qt::Key_Up), "7"},
        {QKeyCombination(Qt::Key_PageUp), "17"},
        {QKeyCombination(Qt::Key_Down), "16"},
        {QKeyCombination(Qt::Key_PageDown), "6"},
        {Qt::ALT | Qt::Key_B, "6"},
        {Qt::CTRL | Qt::Key_B, "6"},
        {Qt::ALT | Qt::SHIFT | Qt::Key_S, "6"},
        {QKeyCombination(Qt::Key_PageDown), "-4"},
        {QKeyCombination(Qt::Key_4), "-44"},
    };
    StartedProgram program;
    QVERIFY(program.Started());
    QLineEdit* count = program.Controls().AttShips();
    program.SetCount(QStringLiteral("5"));
    QVERIFY(FocusOn(count));
    count->end(false);

    for (const Step& step : steps) {
        Press(step.key);
        QCOMPARE(count->text(), QLatin1String(step.count));
        QCOMPARE(QString::fromStdString(program.State().Inputs.AttShipsText),
                 QLatin1String(step.count));
    }
}

// As the minimise label: both windows go, and restoring the calculator brings both back.
void KeyboardPathsTest::minimise_key_takes_the_details_window_along() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    QVERIFY(FocusOn(program.Controls().AttShips()));

    Press(Qt::ALT | Qt::Key_N);

    QTRY_VERIFY(program.MainWindow().isMinimized());
    QVERIFY(program.DetailsWindow().isMinimized());
    program.MainWindow().showNormal();
    QTRY_VERIFY(!program.DetailsWindow().isMinimized());
}

QTEST_MAIN(KeyboardPathsTest)
#include "keyboard_paths_test.moc"
