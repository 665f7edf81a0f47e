#include "ui/main/keyboard_move.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

QPoint ArrowDirection(int key) {
    switch (key) {
        case Qt::Key_Left:
            return {-1, 0};
        case Qt::Key_Right:
            return {1, 0};
        case Qt::Key_Up:
            return {0, -1};
        case Qt::Key_Down:
            return {0, 1};
        default:
            return {};
    }
}

}  // namespace

KeyboardMove::KeyboardMove(QWidget& window) : QObject(&window), m_window(window) {}

void KeyboardMove::Start() {
    if (m_moving) {
        return;
    }
    m_moving = true;
    m_startPlace = m_window.pos();
    QCoreApplication::instance()->installEventFilter(this);
}

// Shortcuts are asked first, so their override requests are taken too.
bool KeyboardMove::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            event->accept();
            return true;
        case QEvent::KeyPress:
            HandleKey(static_cast<const QKeyEvent&>(*event));
            return true;
        case QEvent::KeyRelease:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::WindowDeactivate:
            Finish();
            return false;
        default:
            return false;
    }
}

void KeyboardMove::HandleKey(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Escape:
            m_window.move(m_startPlace);
            Finish();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Finish();
            return;
        default:
            break;
    }
    const int step = key.modifiers().testFlag(Qt::ControlModifier) ? kFineStep : kStep;
    m_window.move(m_window.pos() + ArrowDirection(key.key()) * step);
}

void KeyboardMove::Finish() {
    m_moving = false;
    QCoreApplication::instance()->removeEventFilter(this);
}
