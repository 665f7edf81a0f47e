#include <QAbstractButton>
#include <QAbstractSlider>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

#include "program_windows.h"
#include "ui/details/details_form.h"
#include "ui/details/setup/color_grid.h"
#include "ui/main/button_label.h"

// What a screen reader finds in both windows: names, descriptions, roles, values and the
// press action of the controls the program draws itself.
class AccessibleNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void every_control_of_the_main_window_is_named_and_described();
    void every_control_of_each_details_panel_is_named_and_described_data();
    void every_control_of_each_details_panel_is_named_and_described();
    void every_label_button_is_named_and_described();

    void drawn_and_standard_controls_report_their_roles_data();
    void drawn_and_standard_controls_report_their_roles();
    void result_texts_read_their_shown_value_after_their_name_data();
    void result_texts_read_their_shown_value_after_their_name();
    void ship_lists_tell_their_chosen_ship_data();
    void ship_lists_tell_their_chosen_ship();

    void pressing_the_details_label_through_assistive_tools_opens_the_details_window();
    void pressing_spin_up_through_assistive_tools_adds_exactly_one();
    void pressing_a_tab_through_assistive_tools_selects_its_section();
    void results_log_entries_are_list_items_named_by_their_text();
    void colour_grid_reads_the_picked_colour();
    void colour_bars_and_samples_read_the_colour_values();
};

namespace {

// A control a user works: one that takes the focus, a button, a bar, or a label that
// shows the hand cursor because it acts on a click.
bool IsInteractive(const QWidget* widget) {
    const bool looksClickable = widget->testAttribute(Qt::WA_SetCursor) &&
                                widget->cursor().shape() == Qt::PointingHandCursor;
    return widget->focusPolicy() != Qt::NoFocus || looksClickable ||
           qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QAbstractSlider*>(widget) != nullptr ||
           qobject_cast<const ButtonLabel*>(widget) != nullptr;
}

// The visible controls inside `root`, without the parts a control is built of (a list's
// edit field, a text box's scroll bars).
void CollectVisibleControls(const QWidget* root, QList<QWidget*>& controls) {
    for (QWidget* child : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !child->isVisible()) {
            continue;
        }
        if (IsInteractive(child)) {
            controls << child;
        } else {
            CollectVisibleControls(child, controls);
        }
    }
}

QString Described(QWidget* control) {
    return control->objectName() + QLatin1Char('/') +
           QLatin1String(control->metaObject()->className());
}

// The controls without a name or a description for a screen reader.
QStringList Unnamed(const QList<QWidget*>& controls) {
    QStringList unnamed;
    for (QWidget* control : controls) {
        const bool named = !AccessibleTextOf(control, QAccessible::Name).trimmed().isEmpty();
        const bool described = !AccessibleTextOf(control, QAccessible::Description).isEmpty();
        if (!named || !described) {
            unnamed << Described(control);
        }
    }
    return unnamed;
}

QStringList NamesOf(const QList<QWidget*>& controls) {
    QStringList names;
    for (const QWidget* control : controls) {
        names << control->objectName();
    }
    return names;
}

}  // namespace

void AccessibleNamesTest::every_control_of_the_main_window_is_named_and_described() {
    StartedProgram program;
    QVERIFY(program.Started());

    QList<QWidget*> controls;
    CollectVisibleControls(&program.MainWindow(), controls);
    const QStringList found = NamesOf(controls);
    for (const char* name :
         {"DetailsBtn", "MoveBtn", "MinBtn", "CloseBtn", "AttShips", "SpinUpBtn", "SpinDownBtn",
          "AttShipList", "AttShip", "AttListBtn", "DefShipList", "DefShip", "DefListBtn"}) {
        QVERIFY2(found.contains(QLatin1String(name)), name);
    }
    QCOMPARE(Unnamed(controls), QStringList());
}

void AccessibleNamesTest::every_control_of_each_details_panel_is_named_and_described_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("setupButton");
    QTest::addColumn<QStringList>("someControls");

    QTest::newRow("Calculation") << "CalculationBtn" << QString()
                                 << QStringList{"ToolBar1", "CalculationMemo"};
    QTest::newRow("Targeting") << "TargetBtn" << QString()
                               << QStringList{"TargetAttMemo", "TargetDefMemo"};
    QTest::newRow("Resources") << "ResourcesBtn" << QString()
                               << QStringList{"ResourcesAttMemo", "ResourcesDefMemo"};
    QTest::newRow("Basic Stats") << "BasicStatsBtn" << QString()
                                 << QStringList{"BasicStatsAttMemo", "BasicStatsDefMemo"};
    QTest::newRow("Results") << "ResultsBtn" << QString()
                             << QStringList{"CurrentResultMemo", "ResultsAddBtn",
                                            "ResultsMoveUpBtn", "ResultsMemo"};
    QTest::newRow("Setup") << "StatsFileBtn" << QString()
                           << QStringList{"FileHeaderText", "StatsGrid",   "EditerBtn",
                                          "RestoreBtn",     "SettingsBtn", "AboutBtn"};
    QTest::newRow("settings panel") << "StatsFileBtn"
                                    << "SettingsBtn"
                                    << QStringList{"ToolTipsTick",
                                                   "DefaultFleetSizeEdit",
                                                   "DefaultAttackerList",
                                                   "CloseSettingsBtn",
                                                   "ClassicSettingsBtn",
                                                   "BackgroundRadio",
                                                   "DetailsHighlightRadio",
                                                   "ColorGrid1",
                                                   "RedScroll",
                                                   "BlueScroll"};
    QTest::newRow("About panel") << "StatsFileBtn"
                                 << "AboutBtn"
                                 << QStringList{"Edit1", "Edit2", "ReadMeMemo", "CloseAboutBtn"};
}

void AccessibleNamesTest::every_control_of_each_details_panel_is_named_and_described() {
    QFETCH(QString, tab);
    QFETCH(QString, setupButton);
    QFETCH(QStringList, someControls);
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    windows.SelectSection(qPrintable(tab));
    if (!setupButton.isEmpty()) {
        windows.ClickButton(qPrintable(setupButton));
    }

    QList<QWidget*> controls;
    CollectVisibleControls(&windows.Details(), controls);
    const QStringList found = NamesOf(controls);
    for (const QString& name : someControls) {
        QVERIFY2(found.contains(name), qPrintable(name));
    }
    QCOMPARE(Unnamed(controls), QStringList());
    QVERIFY(program.Watchdog().Unexpected().isEmpty());
}

// Hidden ones too: "?" and "C" are there to be shown.
void AccessibleNamesTest::every_label_button_is_named_and_described() {
    StartedProgram program;
    QVERIFY(program.Started());

    const QList<ButtonLabel*> labels = program.MainWindow().findChildren<ButtonLabel*>();
    QCOMPARE(labels.size(), 12);
    QStringList unnamed;
    for (ButtonLabel* label : labels) {
        if (label->accessibleName().isEmpty() || label->accessibleDescription().isEmpty()) {
            unnamed << label->objectName();
        }
    }
    QCOMPARE(unnamed, QStringList());
}

void AccessibleNamesTest::drawn_and_standard_controls_report_their_roles_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");

    const auto row = [](const char* control, QAccessible::Role role, const char* name) {
        QTest::newRow(control) << control << static_cast<int>(role) << name;
    };
    row("SpinUpBtn", QAccessible::Button, "Spin up");
    row("SpinDownBtn", QAccessible::Button, "Spin down");
    row("DetailsBtn", QAccessible::Button, "Details");
    row("MoveBtn", QAccessible::Button, "Move window");
    row("MinBtn", QAccessible::Button, "Minimise");
    row("CloseBtn", QAccessible::Button, "Close");
    row("AttListBtn", QAccessible::Button, "Attacker ship list");
    row("AttShips", QAccessible::EditableText, "Ships attacking");
    row("CalculationBtn", QAccessible::PageTab, "Calculation");
    row("StatsFileBtn", QAccessible::PageTab, "Setup");
    row("ColorGrid1", QAccessible::ColorChooser, "Colour grid");
    row("ResultsMemo", QAccessible::List, "Results log");
    row("ResultsAddBtn", QAccessible::Button, "Add");
}

void AccessibleNamesTest::drawn_and_standard_controls_report_their_roles() {
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());

    QAccessibleInterface* accessible = AccessibleOf(windows.Find(qPrintable(control)));
    QVERIFY(accessible != nullptr);
    QCOMPARE(static_cast<int>(accessible->role()), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void AccessibleNamesTest::result_texts_read_their_shown_value_after_their_name_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("CombatText") << "CombatText"
                                << "Outcome";
    QTest::newRow("DefShips") << "DefShips"
                              << "Ships killed or held";
    QTest::newRow("Efficiency") << "Efficiency"
                                << "Resource efficiency";
    QTest::newRow("TargetDisplay") << "TargetDisplay"
                                   << "Target type";
    QTest::newRow("ClassText") << "ClassText"
                               << "Ship classes";
    QTest::newRow("InitText") << "InitText"
                              << "Initiatives";
    QTest::newRow("AttShip") << "AttShip"
                             << "Attacking ship name";
    QTest::newRow("DefShip") << "DefShip"
                             << "Defending ship name";
}

void AccessibleNamesTest::result_texts_read_their_shown_value_after_their_name() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    StartedProgram program;
    QVERIFY(program.Started());
    program.SetCount(QStringLiteral("1000"));

    QLabel* label = program.Controls().Label(qPrintable(control));
    QVERIFY(!label->text().trimmed().isEmpty());
    QAccessibleInterface* accessible = AccessibleOf(label);
    QCOMPARE(accessible->role(), QAccessible::StaticText);
    QCOMPARE(accessible->text(QAccessible::Value), label->text());
    QCOMPARE(accessible->text(QAccessible::Name), name + ": " + label->text().trimmed());
    QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
}

void AccessibleNamesTest::ship_lists_tell_their_chosen_ship_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row");

    QTest::newRow("attacker") << "AttShipList"
                              << "Attacking ship type" << 3;
    QTest::newRow("defender") << "DefShipList"
                              << "Defending ship type" << 7;
}

// Named by the side, never by the chosen ship, on every platform; its edit field likewise.
void AccessibleNamesTest::ship_lists_tell_their_chosen_ship() {
    QFETCH(QString, list);
    QFETCH(QString, name);
    QFETCH(int, row);
    StartedProgram program(
        "1,0,250,3,7,clBlack,clSkyBlue,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,");
    QVERIFY(program.Started());

    QComboBox* shipList = program.Controls().List(qPrintable(list));
    QAccessibleInterface* accessible = AccessibleOf(shipList);
    QCOMPARE(accessible->role(), QAccessible::ComboBox);
    QCOMPARE(accessible->text(QAccessible::Value), QString::fromStdString(BuiltInName(row)));
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(AccessibleTextOf(shipList->lineEdit(), QAccessible::Name), name);
    QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
}

void AccessibleNamesTest::
    pressing_the_details_label_through_assistive_tools_opens_the_details_window() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(!windows.Details().isVisible());

    QAccessibleActionInterface* actions =
        AccessibleOf(windows.Find("DetailsBtn"))->actionInterface();
    QVERIFY(actions != nullptr);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());

    QVERIFY(QTest::qWaitForWindowExposed(&windows.Details()));
}

void AccessibleNamesTest::pressing_spin_up_through_assistive_tools_adds_exactly_one() {
    StartedProgram program;
    QVERIFY(program.Started());
    program.SetCount(QStringLiteral("41"));
    QWidget* spinUp = program.Controls().Label("SpinUpBtn");

    AccessibleOf(spinUp)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // With the repeat timer stopped, nothing more can be added after the one step.
    QVERIFY(!program.MainWindow().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());

    QCOMPARE(program.Controls().AttShips()->text(), QStringLiteral("42"));
    QVERIFY(ShowsResult(program.Controls(), ExpectedFor(0, 0, "42").texts));
}

void AccessibleNamesTest::pressing_a_tab_through_assistive_tools_selects_its_section() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    QAccessibleInterface* results = AccessibleOf(windows.Find("ResultsBtn"));
    QAccessibleInterface* calculation = AccessibleOf(windows.Find("CalculationBtn"));
    QVERIFY(calculation->state().selected);
    QVERIFY(!results->state().selected);

    results->actionInterface()->doAction(QAccessibleActionInterface::pressAction());

    QCOMPARE(program.Get().DetailsWindow().SelectedSection(), QStringLiteral("Results"));
    QVERIFY(windows.Find("ResultsPanel")->isVisible());
    QVERIFY(results->state().selected);
    QVERIFY(!calculation->state().selected);
}

void AccessibleNamesTest::results_log_entries_are_list_items_named_by_their_text() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    windows.SelectSection("ResultsBtn");
    windows.ClickButton("ResultsAddBtn");
    windows.ClickButton("ResultsInsertSpaceBtn");

    QAccessibleInterface* log = AccessibleOf(windows.Find("ResultsMemo"));
    QVERIFY(log->tableInterface() != nullptr);
    QAccessibleInterface* blank = log->tableInterface()->cellAt(0, 0);
    QAccessibleInterface* result = log->tableInterface()->cellAt(1, 0);
    QVERIFY(blank != nullptr && result != nullptr);
    QCOMPARE(blank->role(), QAccessible::ListItem);
    QCOMPARE(blank->text(QAccessible::Name), QStringLiteral("Empty line"));
    QCOMPARE(result->text(QAccessible::Name),
             QString::fromStdString(program.Get().State().Combat.ResultLine));
    windows.ClickButton("ResultsCopyBtn");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "\r\n" + QString::fromStdString(program.Get().State().Combat.ResultLine) + "\r\n");
}

void AccessibleNamesTest::colour_grid_reads_the_picked_colour() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    windows.SelectSection("StatsFileBtn");
    windows.ClickButton("SettingsBtn");
    windows.ClickButton("BackgroundRadio");
    auto* grid = windows.Find<ColorGrid>("ColorGrid1");

    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(9).center());

    QCOMPARE(AccessibleTextOf(grid, QAccessible::Value), QStringLiteral("red"));
    QCOMPARE(program.Get().State().Settings.Display.MainBackground, ColorValue{0x000000FF});
    // Without a value interface Qt's AT-SPI bridge drops the grid's value-change events.
    QAccessibleValueInterface* value = AccessibleOf(grid)->valueInterface();
    QVERIFY(value != nullptr);
    QCOMPARE(value->currentValue().toInt(), 9);
    QCOMPARE(value->maximumValue().toInt(), 15);
    value->setCurrentValue(2);
    QCOMPARE(AccessibleTextOf(grid, QAccessible::Value), QStringLiteral("green"));
    QCOMPARE(program.Get().State().Settings.Display.MainBackground, ColorValue{0x00008000});

    // A screen reader says the colour as the focus moves to the picked cell.
    QAccessibleInterface* chooser = AccessibleOf(grid);
    QCOMPARE(chooser->childCount(), 16);
    QTRY_VERIFY(grid->hasFocus());
    QAccessibleInterface* picked = chooser->focusChild();
    QVERIFY(picked != nullptr);
    QCOMPARE(picked->text(QAccessible::Name), QStringLiteral("green"));
    QCOMPARE(chooser->indexOfChild(picked), 2);
    QVERIFY(picked->state().focused && picked->state().selected);
    QCOMPARE(chooser->child(15)->text(QAccessible::Name), QStringLiteral("white"));
    QVERIFY(!chooser->child(15)->state().selected);
}

// Sky blue, 166, 202, 240, stands in the bars at 89, 53 and 15.
void AccessibleNamesTest::colour_bars_and_samples_read_the_colour_values() {
    StartedProgram program(
        "1,0,250,3,7,clSkyBlue,clBlack,clSkyBlue,clAqua,clSkyBlue,clNavy,clBlue,");
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    windows.SelectSection("StatsFileBtn");
    windows.ClickButton("SettingsBtn");
    windows.ClickButton("BackgroundRadio");
    QWidget* sample = windows.Find("BackgroundBox");
    QCOMPARE(AccessibleTextOf(sample, QAccessible::Name),
             QStringLiteral("Main window background colour: red 166, green 202, blue 240"));

    const std::pair<const char*, int> bars[] = {
        {"RedScroll", 166}, {"GreenScroll", 202}, {"BlueScroll", 240}};
    for (const auto& [bar, component] : bars) {
        QAccessibleInterface* accessible = AccessibleOf(windows.Find(bar));
        QCOMPARE(accessible->text(QAccessible::Value), QString::number(component));
        QCOMPARE(accessible->valueInterface()->currentValue().toInt(), component);
        QCOMPARE(accessible->valueInterface()->maximumValue().toInt(), 255);
    }

    AccessibleOf(windows.Find("GreenScroll"))->valueInterface()->setCurrentValue(17);
    QCOMPARE(program.Get().State().Settings.Display.MainBackground, ColorValue{0x00F011A6});
    QCOMPARE(AccessibleTextOf(sample, QAccessible::Name),
             QStringLiteral("Main window background colour: red 166, green 17, blue 240"));
}

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
