#include "ui/common/focus_after_menus.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QTimer>

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
        if (event->type() == QEvent::Hide && qobject_cast<QMenu*>(watched) != nullptr) {
            // After the menu's own handling, once its chosen item has done its work.
            QTimer::singleShot(0, this, TellFocusedControl);
        }
        return false;
    }
};

}  // namespace

void SpeakFocusAfterMenus(QApplication& application) {
    application.installEventFilter(new MenuWatcher(&application));
}
