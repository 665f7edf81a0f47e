#include <QAccessible>
#include <QGuiApplication>
#include <QShortcut>
#include <QWindow>

#include "core/readouts.h"
#include "ui/common/qt_text.h"
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
