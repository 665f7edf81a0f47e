#include "ui/common/accessibility.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWidget>

namespace {

void SendMouseButton(QWidget* control, QEvent::Type type, Qt::MouseButtons held) {
    const QPointF centre = QRectF(control->rect()).center();
    QMouseEvent event(type, centre, control->mapToGlobal(centre), Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
}

// Qt's own combo box reads the chosen entry as its name on Linux, where two lists that
// hold the same entry (the attacker's and the defender's) would sound the same.
class ComboBoxAccessible : public QAccessibleWidget {
  public:
    explicit ComboBoxAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? List()->currentText() : QAccessibleWidget::text(kind);
    }

    int childCount() const override { return QAccessibleWidget::childCount() + 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == QAccessibleWidget::childCount()) {
            return QAccessible::queryAccessibleInterface(List()->view());
        }
        return QAccessibleWidget::child(index);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child != nullptr && child->object() == List()->view()) {
            return QAccessibleWidget::childCount();
        }
        return QAccessibleWidget::indexOfChild(child);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = List()->isEditable();
        state.expandable = true;
        state.expanded = List()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            List()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* NewComboBoxAccessible(QComboBox* list) {
    return new ComboBoxAccessible(list);
}

namespace {

// A list's edit field and drop-down list are reached as parts of it, under its name. The
// edit field takes no focus of its own, so that only the list reports the focus.
void NameComboBoxParts(QWidget& control) {
    auto* list = qobject_cast<QComboBox*>(&control);
    if (list == nullptr) {
        return;
    }
    if (list->lineEdit() != nullptr) {
        list->lineEdit()->setAccessibleName(list->accessibleName());
        list->lineEdit()->setFocusProxy(nullptr);
        list->lineEdit()->setFocusPolicy(Qt::NoFocus);
    }
    list->view()->setAccessibleName(list->accessibleName());
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
            NameComboBoxParts(*control);
        }
        control->setAccessibleDescription(QString::fromLatin1(entry.description));
    }
}

void MakeReadingBox(QPlainTextEdit& box) {
    box.setReadOnly(true);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setTabChangesFocus(true);
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
