#include <QGuiApplication>
#include <QKeyEvent>

#include "ui/main/tform1.h"

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

// Wayland lets no window place itself: there the compositor's own move takes over.
bool TForm1::StartCompositorMove() {
    return QGuiApplication::platformName() == QLatin1String("wayland") &&
           windowHandle()->startSystemMove();
}
