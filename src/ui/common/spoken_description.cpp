#include "ui/common/spoken_description.h"

#include <QAccessible>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>

void TellDescriptionChanged(QWidget& control) {
    QAccessibleAnnouncementEvent announced(&control, control.accessibleDescription());
    QAccessible::updateAccessibility(&announced);
}
#else
#ifdef SKIRMOD_ATSPI_DESCRIPTION
#include "ui/common/spoken_description_atspi.h"
#endif

// Elsewhere, and where the text cannot go over AT-SPI, Qt's own event.
void TellDescriptionChanged(QWidget& control) {
#ifdef SKIRMOD_ATSPI_DESCRIPTION
    if (SendDescriptionOverAtspi(control)) {
        return;
    }
#endif
    QAccessibleEvent described(&control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}
#endif
