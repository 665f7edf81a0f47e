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

#include "program_fixture.h"
#include "ui/common/qt_text.h"

// Counts the calculations the engine reports, passing every call on to the real frontend,
// `inner`, which has the engine again when the count ends.
class CountingFrontend : public Frontend {
  public:
    CountingFrontend(Engine& engine, Frontend& inner) : m_engine(engine), m_inner(inner) {
        m_engine.AttachFrontend(*this);
    }
    ~CountingFrontend() override { m_engine.AttachFrontend(m_inner); }
    CountingFrontend(const CountingFrontend&) = delete;
    CountingFrontend& operator=(const CountingFrontend&) = delete;

    int Calculations() const { return m_calculations; }

    void ShowCurrentResult() override {
        ++m_calculations;
        m_inner.ShowCurrentResult();
    }
    void ReportUpdated(Report report) override { m_inner.ReportUpdated(report); }

  private:
    Engine& m_engine;
    Frontend& m_inner;
    int m_calculations = 0;
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

// Runs the program's event loop until the program ends it; 1 when it does not within a
// few seconds.
inline int RunEventLoopUntilProgramEnds() {
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &giveUp, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);
    return QApplication::exec();
}

// The started program with the main window's menu at hand.
class StartedProgram : public ProgramFixture {
  public:
    using ProgramFixture::ProgramFixture;

    void SetCount(const QString& text) {
        Controls().AttShips()->selectAll();
        QTest::keyClicks(Controls().AttShips(), text);
    }

    // A right click on the count box, which leaves the menu to the window like every
    // control does.
    QMenu* OpenPopupMain() {
        QTest::mouseClick(MainWindow().windowHandle(), Qt::RightButton, {}, QPoint(60, 30));
        auto* menu = MainWindow().findChild<QMenu*>(QStringLiteral("PopupMain"));
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
};
