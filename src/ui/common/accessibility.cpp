#include "ui/common/accessibility.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace {

void SendMouseButton(QWidget* control, QEvent::Type type, Qt::MouseButtons held) {
    const QPointF centre = QRectF(control->rect()).center();
    QMouseEvent event(type, centre, control->mapToGlobal(centre), Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
}

}  // namespace

void DescribeControls(QWidget& root, std::span<const AccessibleText> table) {
    for (const AccessibleText& entry : table) {
        auto* control = root.findChild<QWidget*>(QString::fromLatin1(entry.control));
        Q_ASSERT_X(control != nullptr, "DescribeControls", entry.control);
        if (control == nullptr) {
            continue;
        }
        if (entry.name != nullptr) {
            control->setAccessibleName(QString::fromLatin1(entry.name));
        }
        control->setAccessibleDescription(QString::fromLatin1(entry.description));
    }
}

DrawnControlAccessible::DrawnControlAccessible(QWidget* control, QAccessible::Role role)
    : QAccessibleWidget(control, role) {}

QString DrawnControlAccessible::text(QAccessible::Text kind) const {
    const QString text = QAccessibleWidget::text(kind);
    const auto* label = qobject_cast<const QLabel*>(widget());
    if (kind == QAccessible::Name && text.isEmpty() && label != nullptr) {
        return label->text();
    }
    return text;
}

QStringList DrawnControlAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (IsPressable()) {
        names.prepend(pressAction());
    }
    return names;
}

// The control's own mouse handlers do the work, so a press here is exactly a click.
void DrawnControlAccessible::doAction(const QString& action) {
    if (action != pressAction() || !IsPressable()) {
        QAccessibleWidget::doAction(action);
        return;
    }
    SendMouseButton(widget(), QEvent::MouseButtonPress, Qt::LeftButton);
    SendMouseButton(widget(), QEvent::MouseButtonRelease, Qt::NoButton);
}

bool DrawnControlAccessible::IsPressable() const {
    const QAccessible::Role kind = role();
    return widget()->isEnabled() && (kind == QAccessible::Button || kind == QAccessible::PageTab);
}
