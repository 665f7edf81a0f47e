#include "ui/common/control_placement.h"

#include <QWidget>

void PlaceControls(QWidget& panel, std::span<const Placement> table) {
    for (const Placement& place : table) {
        auto* control = panel.findChild<QWidget*>(QString::fromLatin1(place.name));
        Q_ASSERT_X(control != nullptr, "PlaceControls", place.name);
        if (control == nullptr) {
            continue;
        }
        QSize size = place.geometry.size();
        const QSize natural = control->sizeHint();
        if (size.width() == 0) {
            size.setWidth(natural.width());
        }
        if (size.height() == 0) {
            size.setHeight(natural.height());
        }
        control->setGeometry(QRect(place.geometry.topLeft(), size));
    }
}
