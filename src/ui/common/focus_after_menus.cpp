#include "ui/common/focus_after_menus.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace {

void TellFocusedControl() {
    QWidget* focused = QApplication::focusWidget();
    // A submenu closing leaves its parent menu open, which still has the keyboard.
    if (focused == nullptr || QApplication::activePopupWidget() != nullptr) {
        return;
    }
    QAccessibleEvent event(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

class MenuWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A chosen item does its work after its menu hid, so the control is read before
        // that work, and what the work says comes after it.
        if (event->type() == QEvent::Hide && qobject_cast<QMenu*>(watched) != nullptr) {
            TellFocusedControl();
        }
        return false;
    }
};

}  // namespace

void SpeakFocusAfterMenus(QObject& owner) {
    qApp->installEventFilter(new MenuWatcher(&owner));
}
