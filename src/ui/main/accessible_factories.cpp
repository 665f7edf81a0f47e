#include "ui/main/accessible_factories.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/common/accessibility.h"
#include "ui/common/spoken_notice.h"
#include "ui/details/details_form.h"
#include "ui/details/section_tab_bar.h"
#include "ui/details/setup/color_bar.h"
#include "ui/details/setup/color_grid.h"
#include "ui/main/glyph_label.h"
#include "ui/main/tform1.h"

namespace {

// Both windows are plain widgets, which Qt shows as a client area without a window role.
QAccessibleInterface* ProgramWindowAccessibleFactory(const QString&, QObject* object) {
    const bool isProgramWindow =
        qobject_cast<TForm1*>(object) != nullptr || qobject_cast<TDetailsForm*>(object) != nullptr;
    return isProgramWindow
               ? new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window)
               : nullptr;
}

}  // namespace

void InstallAccessibleFactories() {
    QAccessible::installFactory(GlyphLabelAccessibleFactory);
    QAccessible::installFactory(SectionTabAccessibleFactory);
    QAccessible::installFactory(ColorGridAccessibleFactory);
    QAccessible::installFactory(ColorBarAccessibleFactory);
    QAccessible::installFactory(ComboBoxAccessibleFactory);
    QAccessible::installFactory(SpokenNoticeAccessibleFactory);
    QAccessible::installFactory(ProgramWindowAccessibleFactory);
}
