#include <QAccessible>
#include <QWidget>

#include "ui/common/spoken_description.h"

void TellDescriptionChanged(QWidget& control) {
    QAccessibleEvent described(&control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}
