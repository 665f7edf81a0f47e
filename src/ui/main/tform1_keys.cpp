#include <QAccessible>
#include <QKeyEvent>
#include <functional>

#include "core/readouts.h"
#include "ui/common/key_table.h"
#include "ui/common/qt_text.h"
#include "ui/main/tform1.h"

// Alt and the first letter, as access keys are on other windows; the labels' captions stay
// as they are. The menu opens with the platform's keys for a context menu. The count box
// steps as a spin box does.
void TForm1::ConnectKeys() {
    const std::pair<KeyCommand, std::function<void()>> windowKeys[] = {
        {KeyCommand::OpenDetails, [this] { DetailsBtnClick(); }},
        {KeyCommand::MoveWindow, [this] { MoveBtnKeyboardMove(); }},
        {KeyCommand::OpenMenu, [this] { OpenPopupMainByKey(); }},
        {KeyCommand::MinimiseWindows, [this] { MinBtnClick(); }},
    };
    for (const auto& [command, handler] : windowKeys) {
        BindKeys(command, this, Qt::WindowShortcut, this, handler);
    }
    const std::pair<KeyCommand, std::int64_t> countSteps[] = {
        {KeyCommand::CountUp, 1},
        {KeyCommand::CountDown, -1},
        {KeyCommand::CountTenUp, 10},
        {KeyCommand::CountTenDown, -10},
    };
    for (const auto& [command, step] : countSteps) {
        BindKeys(command, m_attShips, Qt::WidgetShortcut, this,
                 [this, step = step] { AddToCount(step); });
    }
    m_attShips->installEventFilter(this);
    // What the keys do is what assistive tools' presses do.
    m_moveBtn->SetAccessiblePress([this] { MoveBtnKeyboardMove(); });
    m_popupMain->setAccessibleName(QStringLiteral("Calculator menu"));
}

// Alt with a letter is a command: a key meant for the Details window that reaches the count
// box after a window change must not type its letter into the count, as the line edit
// already refuses Ctrl with a letter.
bool TForm1::IsUnboundCommandKey(const QEvent& event) {
    if (event.type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(event);
    return key.modifiers().testFlag(Qt::AltModifier) && !key.text().isEmpty() &&
           key.text().at(0).isPrint();
}

// Under the focused control, with its first item current, so the arrow keys start there.
void TForm1::OpenPopupMainByKey() {
    const QWidget* anchor = focusWidget() != nullptr ? focusWidget() : this;
    m_popupMain->popup(anchor->mapToGlobal(QPoint(0, anchor->height())));
    m_popupMain->setActiveAction(m_popupMain->actions().constFirst());
}

void TForm1::MoveBtnKeyboardMove() {
    if (StartCompositorMove()) {
        return;
    }
    activateWindow();
    m_keyboardMove->Start();
}

// A screen reader reads the description of the focused control when it changes, so the
// count box carries the result that its every change recalculates.
void TForm1::DescribeResultOnCountBox() {
    const ResultTexts& results = CurrentResults(m_state);
    QString summary = ToQString(results.CombatText).trimmed() + QLatin1Char(' ') +
                      ToQString(results.DefShips).trimmed();
    if (!results.Efficiency.empty()) {
        summary += QStringLiteral(", resource efficiency ") + ToQString(results.Efficiency);
    }
    if (summary != m_attShips->accessibleDescription()) {
        m_attShips->setAccessibleDescription(summary);
        QAccessibleEvent described(m_attShips, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}
