#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QTest>

#include "program_windows.h"

// The two windows as an accessibility client walks them, node by node from the window down:
// every node a user can focus or work has a name, in every section and panel; no node but the
// window itself has a window's role (AT-SPI reads Qt's bare frames as windows); exactly one
// node is focused; the save dialog, which is Qt's, keeps what Qt gives its nodes.
class AccessibilityTreeTest : public QObject {
    Q_OBJECT

  private slots:
    void both_windows_are_windows_named_by_their_titles();
    void no_focusable_or_actionable_node_is_unnamed_data();
    void no_focusable_or_actionable_node_is_unnamed();
    void calculator_menu_is_a_named_menu_of_three_items();
    void exactly_the_focused_control_reports_focus_data();
    void exactly_the_focused_control_reports_focus();
    void ship_list_drop_down_is_its_last_child_named_and_expanded_while_open_data();
    void ship_list_drop_down_is_its_last_child_named_and_expanded_while_open();
    void save_dialog_lists_keep_the_names_qt_gives_them();
};

namespace {

struct TreeWalk {
    int visited = 0;
    QStringList unnamed;
    QStringList windowsInside;
    QStringList focused;
};

bool IsActionable(QAccessibleInterface* node) {
    QAccessibleActionInterface* actions = node->actionInterface();
    return actions != nullptr && !actions->actionNames().isEmpty();
}

// A list's entry or a grid's cell, which item views and screen readers mark as focused along
// with the focused list or grid.
bool IsItem(QAccessibleInterface* node) {
    return node->role() == QAccessible::ListItem || node->role() == QAccessible::Cell;
}

// A path of roles and names down to each node, for the failure message.
void Walk(QAccessibleInterface* node, const QString& path, TreeWalk& walk) {
    if (node == nullptr || !node->isValid() || node->state().invisible) {
        return;
    }
    ++walk.visited;
    const QString name = node->text(QAccessible::Name).trimmed();
    const QString here =
        path + QStringLiteral(" / ") + QString::number(node->role(), 16) + QLatin1Char(' ') +
        (node->object() != nullptr ? node->object()->objectName() : QString()) + " '" + name + "'";
    if ((node->state().focusable || IsActionable(node)) && name.isEmpty()) {
        walk.unnamed << here;
    }
    const bool isWindowRole =
        node->role() == QAccessible::Window || node->role() == QAccessible::Border;
    if (isWindowRole && !path.isEmpty() && !path.endsWith(QLatin1Char(']'))) {
        walk.windowsInside << here;
    }
    if (node->state().focused && !IsItem(node)) {
        walk.focused << here;
    }
    for (int index = 0; index < node->childCount(); ++index) {
        Walk(node->child(index), here, walk);
    }
}

// The window's own node is the one whose path is its name in brackets.
TreeWalk WalkWindow(QWidget& window) {
    TreeWalk walk;
    Walk(AccessibleOf(&window), QLatin1Char('[') + window.objectName() + QLatin1Char(']'), walk);
    return walk;
}

QStringList FocusedIn(std::initializer_list<QWidget*> windows) {
    QStringList focused;
    for (QWidget* window : windows) {
        focused << WalkWindow(*window).focused;
    }
    return focused;
}

}  // namespace

void AccessibilityTreeTest::both_windows_are_windows_named_by_their_titles() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());

    for (QWidget* window : {&windows.Main(), &windows.Details()}) {
        QAccessibleInterface* accessible = AccessibleOf(window);
        QCOMPARE(accessible->role(), QAccessible::Window);
        QCOMPARE(accessible->text(QAccessible::Name), window->windowTitle());
    }
}

void AccessibilityTreeTest::no_focusable_or_actionable_node_is_unnamed_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("setupButton");

    QTest::newRow("Calculation") << "CalculationBtn" << QString();
    QTest::newRow("Targeting") << "TargetBtn" << QString();
    QTest::newRow("Resources") << "ResourcesBtn" << QString();
    QTest::newRow("Basic Stats") << "BasicStatsBtn" << QString();
    QTest::newRow("Results") << "ResultsBtn" << QString();
    QTest::newRow("Setup") << "StatsFileBtn" << QString();
    QTest::newRow("settings panel") << "StatsFileBtn"
                                    << "SettingsBtn";
    QTest::newRow("About panel") << "StatsFileBtn"
                                 << "AboutBtn";
}

// The results log holds an entry and the settings panel a chosen colour, so that their
// parts are there to be walked.
void AccessibilityTreeTest::no_focusable_or_actionable_node_is_unnamed() {
    QFETCH(QString, tab);
    QFETCH(QString, setupButton);
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenDetails());
    windows.SelectSection("ResultsBtn");
    windows.ClickButton("ResultsInsertSpaceBtn");
    windows.SelectSection(qPrintable(tab));
    if (!setupButton.isEmpty()) {
        windows.ClickButton(qPrintable(setupButton));
    }
    if (setupButton == QLatin1String("SettingsBtn")) {
        windows.ClickButton("TextRadio");
    }

    for (QWidget* window : {&windows.Main(), &windows.Details()}) {
        const TreeWalk walk = WalkWindow(*window);
        QVERIFY2(walk.visited >= 10, qPrintable(window->objectName()));
        QVERIFY2(walk.unnamed.isEmpty(), qPrintable(walk.unnamed.join(QLatin1Char('\n'))));
        QVERIFY2(walk.windowsInside.isEmpty(),
                 qPrintable(walk.windowsInside.join(QLatin1Char('\n'))));
    }
}

void AccessibilityTreeTest::calculator_menu_is_a_named_menu_of_three_items() {
    StartedProgram program;
    QVERIFY(program.Started());
    QMenu* menu = program.OpenPopupMain();
    QVERIFY(menu != nullptr);

    QAccessibleInterface* accessible = AccessibleOf(menu);
    QCOMPARE(accessible->role(), QAccessible::PopupMenu);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Calculator menu"));
    QStringList items;
    for (int index = 0; index < accessible->childCount(); ++index) {
        QCOMPARE(accessible->child(index)->role(), QAccessible::MenuItem);
        items << accessible->child(index)->text(QAccessible::Name);
    }
    QCOMPARE(items, (QStringList{"Copy Result", "Switch Att/Def", "Turn Hints On"}));
    const TreeWalk walk = WalkWindow(*menu);
    QVERIFY2(walk.unnamed.isEmpty(), qPrintable(walk.unnamed.join(QLatin1Char('\n'))));
    menu->close();
}

void AccessibilityTreeTest::exactly_the_focused_control_reports_focus_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("setupButton");

    QTest::newRow("count box") << "AttShips" << QString();
    QTest::newRow("defender list") << "DefShipList" << QString();
    QTest::newRow("attacker list") << "AttShipList" << QString();
    QTest::newRow("section tabs") << "ToolBar1" << QString();
    QTest::newRow("file header box") << "FileHeaderText" << QString();
    QTest::newRow("stats grid, editing") << "StatsGrid"
                                         << "EditerBtn";
    QTest::newRow("settings' attacker list") << "DefaultAttackerList"
                                             << "SettingsBtn";
    QTest::newRow("colour grid") << "ColorGrid1"
                                 << "SettingsBtn";
    QTest::newRow("colour bar") << "RedScroll"
                                << "SettingsBtn";
    QTest::newRow("About's OK") << "CloseAboutBtn"
                                << "AboutBtn";
}

void AccessibilityTreeTest::exactly_the_focused_control_reports_focus() {
    QFETCH(QString, control);
    QFETCH(QString, setupButton);
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenSetup(setupButton.isEmpty() ? nullptr : qPrintable(setupButton)));
    if (setupButton == QLatin1String("SettingsBtn")) {
        windows.ClickButton("BackgroundRadio");
    }
    QWidget* focus = windows.Find(qPrintable(control));
    focus->activateWindow();
    focus->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(focus->hasFocus());

    const QStringList focused = FocusedIn({&windows.Main(), &windows.Details()});
    QVERIFY2(focused.size() == 1, qPrintable(focused.join(QLatin1Char('\n'))));
    QVERIFY2(focused.constFirst().contains(QLatin1Char(' ') + control + QStringLiteral(" '")),
             qPrintable(focused.constFirst()));
}

void AccessibilityTreeTest::
    ship_list_drop_down_is_its_last_child_named_and_expanded_while_open_data() {
    QTest::addColumn<QString>("list");
    QTest::newRow("attacker") << "AttShipList";
    QTest::newRow("defender") << "DefShipList";
}

// A screen reader finds the entries through the list, and learns from it whether it is open.
void AccessibilityTreeTest::ship_list_drop_down_is_its_last_child_named_and_expanded_while_open() {
    QFETCH(QString, list);
    StartedProgram program;
    QVERIFY(program.Started());
    auto* box = program.Controls().Find<QComboBox>(qPrintable(list));
    QAccessibleInterface* accessible = AccessibleOf(box);
    const QString name = accessible->text(QAccessible::Name);
    QVERIFY(!name.isEmpty());

    QAccessibleInterface* dropDown = accessible->child(accessible->childCount() - 1);
    QVERIFY(dropDown != nullptr);
    QCOMPARE(dropDown->object(), box->view());
    QCOMPARE(dropDown->text(QAccessible::Name), name);
    QCOMPARE(accessible->indexOfChild(dropDown), accessible->childCount() - 1);
    QVERIFY(!accessible->state().expanded);

    box->showPopup();
    QTRY_VERIFY(box->view()->isVisible());
    QVERIFY(accessible->state().expanded);
    QAccessibleInterface* container = AccessibleOf(box->view()->parentWidget());
    QCOMPARE(container->role(), QAccessible::Pane);
    QCOMPARE(container->text(QAccessible::Name), name);
    box->hidePopup();
    QTRY_VERIFY(!box->view()->isVisible());
    QVERIFY(!accessible->state().expanded);
}

// Qt names its own lists by their chosen entry, as it does on every Linux desktop.
void AccessibilityTreeTest::save_dialog_lists_keep_the_names_qt_gives_them() {
    StartedProgram program;
    QVERIFY(program.Started());
    ProgramWindows windows(program.Get());
    QVERIFY(windows.OpenSetup("EditerBtn"));
    QStringList lists;
    program.Watchdog().Expect([&lists](QWidget* dialog) {
        for (QComboBox* list : dialog->findChildren<QComboBox*>()) {
            if (list->isVisible()) {
                lists << list->currentText() + QStringLiteral(" -> ") +
                             AccessibleTextOf(list, QAccessible::Name);
            }
        }
        dialog->close();
    });
    windows.ClickButton("UpdateAndSaveBtn");
    QTRY_VERIFY(program.Watchdog().AllAnswered());

    QCOMPARE(lists.size(), 2);
    for (const QString& list : lists) {
        const QStringList shownAndName = list.split(QStringLiteral(" -> "));
        QVERIFY2(!shownAndName.at(1).isEmpty(), qPrintable(list));
        QCOMPARE(shownAndName.at(1), shownAndName.at(0));
    }
}

QTEST_MAIN(AccessibilityTreeTest)
#include "accessibility_tree_test.moc"
