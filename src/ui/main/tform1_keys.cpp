#include <QKeyEvent>
#include <functional>

#include "core/readouts.h"
#include "ui/common/key_table.h"
#include "ui/common/qt_text.h"
#include "ui/common/spoken_description.h"
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

// The outcome, the number and the efficiency, as a screen reader says the result.
QString TForm1::ResultSummary() const {
    const ResultTexts& results = CurrentResults(m_state);
    QString summary = ToQString(results.CombatText).trimmed() + QLatin1Char(' ') +
                      ToQString(results.DefShips).trimmed();
    if (!results.Efficiency.empty()) {
        summary += QStringLiteral(", resource efficiency ") + ToQString(results.Efficiency);
    }
    return summary;
}

// A list's edit field may be what a screen reader follows while the arrow keys change the
// list's text, so it carries the result too.
std::array<QWidget*, 5> TForm1::ResultCarriers() const {
    return {m_attShips, m_attShipList, m_attShipList->lineEdit(), m_defShipList,
            m_defShipList->lineEdit()};
}

// A screen reader reads a control's description after its name, so the count box and both
// lists, whose every change recalculates, carry the result.
void TForm1::DescribeResult() {
    const QString summary = ResultSummary();
    for (QWidget* carrier : ResultCarriers()) {
        carrier->setAccessibleDescription(summary);
    }
}

// Start-up's own calculations are read with the focused control; after that every change
// the user makes is spoken once the keys pause.
void TForm1::RecalculateAndAnnounce(const std::function<void()>& operation) {
    RunCore(operation);
    if (m_firstPaintDone) {
        m_resultPause.start();
    }
}

// Through the focused input, whose description the result is; the focus stays where it is.
// Of a list and its edit field, the reader ignores the one it does not follow.
void TForm1::AnnounceResult() {
    for (QWidget* carrier : ResultCarriers()) {
        if (carrier->hasFocus() || carrier->parentWidget()->hasFocus()) {
            TellDescriptionChanged(*carrier);
        }
    }
}
