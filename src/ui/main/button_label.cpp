#include "ui/main/button_label.h"

#include <QMouseEvent>

ButtonLabel::ButtonLabel(QWidget* parent) : GlyphLabel(parent) {
    SetAccessibleRole(QAccessible::Button);
}

void ButtonLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(event->position().toPoint());
}

void ButtonLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    emit released();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ButtonLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (event->buttons() != Qt::NoButton) {
        emit draggedTo(event->globalPosition().toPoint());
    }
}

void ButtonLabel::enterEvent(QEnterEvent* event) {
    GlyphLabel::enterEvent(event);
    emit entered();
}

void ButtonLabel::leaveEvent(QEvent* event) {
    GlyphLabel::leaveEvent(event);
    emit left();
}
