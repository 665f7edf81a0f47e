#pragma once

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "main/main_window_fixture.h"
#include "ui/main/program.h"

// Both windows of a started program, reached as a user reaches them: the Details window
// by its label on the main window, sections by their tab labels, the Setup section's
// panels by its buttons.
class ProgramWindows {
  public:
    explicit ProgramWindows(Program& program) : m_program(program) {}

    QWidget& Main() { return m_program.MainWindow(); }
    QWidget& Details() { return m_program.DetailsWindow(); }

    bool OpenDetails() {
        QTest::mouseClick(Find("DetailsBtn"), Qt::LeftButton);
        return QTest::qWaitForWindowExposed(&Details());
    }

    // The Setup section, and the panel or mode its column's `button` opens (none: nullptr).
    bool OpenSetup(const char* button = nullptr) {
        if (!OpenDetails()) {
            return false;
        }
        SelectSection("StatsFileBtn");
        if (button != nullptr) {
            ClickButton(button);
        }
        return true;
    }

    // A press on the tab label selects its section.
    void SelectSection(const char* tabLabel) {
        QTest::mousePress(Find(tabLabel), Qt::LeftButton);
        QTest::mouseRelease(Find(tabLabel), Qt::LeftButton);
    }

    void ClickButton(const char* name) { QTest::mouseClick(Find(name), Qt::LeftButton); }

    // A control of either window by its name; the test fails when there is none.
    QWidget* Find(const char* name) {
        return RequireControl({&Main(), &Details()}, QLatin1String(name));
    }

    template <typename Control>
    Control* Find(const char* name) {
        return qobject_cast<Control*>(Find(name));
    }

  private:
    Program& m_program;
};

// What assistive tools learn of a control.
inline QAccessibleInterface* AccessibleOf(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control);
}

inline QString AccessibleTextOf(QWidget* control, QAccessible::Text kind) {
    QAccessibleInterface* accessible = AccessibleOf(control);
    return accessible != nullptr ? accessible->text(kind) : QString();
}
