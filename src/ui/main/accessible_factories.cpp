#include "ui/main/accessible_factories.h"

#include <QAccessible>

#include "ui/details/section_tab_bar.h"
#include "ui/details/setup/color_grid.h"
#include "ui/main/glyph_label.h"

void InstallAccessibleFactories() {
    QAccessible::installFactory(GlyphLabelAccessibleFactory);
    QAccessible::installFactory(SectionTabAccessibleFactory);
    QAccessible::installFactory(ColorGridAccessibleFactory);
}
