#include <QMenu>
#include <QTest>

#include "program_windows.h"

// The two windows as an accessibility client walks them, node by node from the window down:
// every node a user can focus or work has a name, in every section and panel.
class AccessibilityTreeTest : public QObject {
    Q_OBJECT

  private slots:
    void both_windows_are_windows_named_by_their_titles();
    void no_focusable_or_actionable_node_is_unnamed_data();
    void no_focusable_or_actionable_node_is_unnamed();
    void calculator_menu_is_a_named_menu_of_three_items();
};

namespace {

struct TreeWalk {
    int visited = 0;
    QStringList unnamed;
};

bool IsActionable(QAccessibleInterface* node) {
    QAccessibleActionInterface* actions = node->actionInterface();
    return actions != nullptr && !actions->actionNames().isEmpty();
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
    for (int index = 0; index < node->childCount(); ++index) {
        Walk(node->child(index), here, walk);
    }
}

TreeWalk WalkWindow(QWidget& window) {
    TreeWalk walk;
    Walk(AccessibleOf(&window), window.objectName(), walk);
    return walk;
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

QTEST_MAIN(AccessibilityTreeTest)
#include "accessibility_tree_test.moc"
