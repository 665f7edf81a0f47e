#include "ui/common/colors.h"

#include <QApplication>
#include <QPalette>

#include "data/system_colors.h"

namespace {

QPalette::ColorRole PaletteRoleFor(SystemColor kind) {
    switch (kind) {
        case SystemColor::Face:
            return QPalette::Button;
        case SystemColor::Window:
            return QPalette::Base;
        case SystemColor::TipBackground:
            return QPalette::ToolTipBase;
        case SystemColor::TipText:
            return QPalette::ToolTipText;
        case SystemColor::Highlight:
            return QPalette::Highlight;
        case SystemColor::HighlightedText:
            return QPalette::HighlightedText;
        case SystemColor::Mid:
            return QPalette::Mid;
        case SystemColor::Light:
            return QPalette::Light;
        case SystemColor::Shadow:
            return QPalette::Shadow;
        case SystemColor::ButtonText:
            return QPalette::ButtonText;
        case SystemColor::WindowText:
            break;
    }
    return QPalette::WindowText;
}

}  // namespace

QColor ToQColor(ColorValue value) {
    if (value == kNoColor) {
        return Qt::transparent;
    }
    if (value == kDefaultColor) {
        return QApplication::palette().color(QPalette::Window);
    }
    if (IsSystemColor(value)) {
        return QApplication::palette().color(PaletteRoleFor(SystemColorOf(value)));
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}
