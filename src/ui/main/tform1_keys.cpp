#include <QAccessible>
#include <QGuiApplication>
#include <QShortcut>
#include <QWindow>

#include "ui/common/qt_text.h"
#include "ui/common/spoken_description.h"
#include "ui/main/tform1.h"

// Alt and the first letter, as access keys are on other windows; the labels' captions stay
// as they are. The menu opens with the platform's keys for a context menu.
void TForm1::ConnectKeys() {
    const std::pair<QKeySequence, void (TForm1::*)()> keys[] = {
        {QKeySequence(Qt::ALT | Qt::Key_D), &TForm1::DetailsBtnClick},
        {QKeySequence(Qt::ALT | Qt::Key_M), &TForm1::MoveBtnKeyboardMove},
        {QKeySequence(Qt::SHIFT | Qt::Key_F10), &TForm1::OpenPopupMainByKey},
        {QKeySequence(Qt::Key_Menu), &TForm1::OpenPopupMainByKey},
    };
    for (const auto& [key, handler] : keys) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, handler);
    }
    // What the keys do is what assistive tools' presses do.
    m_moveBtn->SetAccessiblePress([this] { MoveBtnKeyboardMove(); });
    m_popupMain->setAccessibleName(QStringLiteral("Calculator menu"));
}

// Under the focused control, with its first item current, so the arrow keys start there.
void TForm1::OpenPopupMainByKey() {
    const QWidget* anchor = focusWidget() != nullptr ? focusWidget() : this;
    m_popupMain->popup(anchor->mapToGlobal(QPoint(0, anchor->height())));
    m_popupMain->setActiveAction(m_popupMain->actions().constFirst());
}

// Wayland lets no window place itself: there the compositor's own move takes over.
void TForm1::MoveBtnKeyboardMove() {
    if (QGuiApplication::platformName() == QLatin1String("wayland") &&
        windowHandle()->startSystemMove()) {
        return;
    }
    activateWindow();
    m_keyboardMove->Start();
}

// The outcome, the number and the efficiency, as a screen reader says the result.
QString TForm1::ResultSummary() const {
    const ResultTexts& results = m_state.Results;
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
void TForm1::RecalculateAndAnnounce(std::initializer_list<CoreStep> steps) {
    RunCore(steps);
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
